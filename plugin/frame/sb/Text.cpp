#include "frame/sb/Text.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"

namespace sb {

HostString::HostString(const char* text) {
    CheckHostResult(HeldSuite(sUnicodeString).NewFromSystemText(text ? text : "", &string_));
}

HostString::~HostString() {
    if (string_ && sUnicodeString) sUnicodeString->Dispose(string_);
}

std::string HostString::Utf8() const {
    const char* text = nullptr;
    CheckHostResult(HeldSuite(sUnicodeString).GetUTF8(string_, &text));
    return text ? std::string(text) : std::string();
}

}  // namespace sb
