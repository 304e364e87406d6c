// Host text objects.
#pragma once

#include <scribera/SBTypes.h>

#include <string>

namespace sb {

// A host text object made from 8-bit text in the system code page, disposed with the object.
class HostString {
public:
    explicit HostString(const char* text);
    explicit HostString(const std::string& text) : HostString(text.c_str()) {}
    ~HostString();
    HostString(const HostString&) = delete;
    HostString& operator=(const HostString&) = delete;

    SBUnicodeStringRef Get() const { return string_; }
    // The text back from the host, as UTF-8.
    std::string Utf8() const;

private:
    SBUnicodeStringRef string_ = nullptr;
};

}  // namespace sb
