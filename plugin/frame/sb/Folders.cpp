#include "frame/sb/Folders.h"

#include <vector>

#include "frame/Suites.h"
#include "frame/sb/Require.h"

namespace sb {
std::string FindFolder(int32_t type) {
    const SBFoldersSuite& folders = HeldSuite(sFolders);
    std::vector<char> path(4096, '\0');
    CheckHostResult(folders.FindFolder(type, false, path.data(), static_cast<int32_t>(path.size())));
    path.back() = '\0';
    return std::string(path.data());
}
}  // namespace sb
