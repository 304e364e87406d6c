#include "frame/sb/User.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"
#include "frame/sb/Text.h"

namespace sb {

void ErrorAlert(const std::string& text) {
    const SBUserSuite& user = HeldSuite(sUser);
    HostString string(text);
    CheckHostResult(user.ErrorAlert(string.Get()));
}

bool QuestionAlert(const std::string& text) {
    const SBUserSuite& user = HeldSuite(sUser);
    HostString string(text);
    int32_t answer = 0;
    CheckHostResult(user.QuestionAlert(string.Get(), &answer));
    return answer == 1;
}

SBCursorResource CreateCursorResource(SBPluginRef plugin) {
    SBCursorResource resource = nullptr;
    CheckHostResult(HeldSuite(sUser).CreateCursorResourceManager(plugin, &resource));
    return resource;
}

void DisposeCursorResource(SBCursorResource resource) {
    CheckHostResult(HeldSuite(sUser).DisposeCursorResourceManager(resource));
}

}  // namespace sb
