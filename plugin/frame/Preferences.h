// The preferences file "ZToolPref.xml" in the user's profile folder: one element with the settings
// of the tool whose panel was opened last. The plug-in writes it and never reads it.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

// The profile folder, the path separator and "ZToolPref.xml"; empty without a profile folder.
std::string PreferencesPath();

// One tool's element, children in the order they are added, without spaces or line breaks.
class PreferencesElement {
public:
    explicit PreferencesElement(const std::string& name);
    PreferencesElement& Add(const std::string& name, double value);
    PreferencesElement& Add(const std::string& name, int32_t value);
    std::string Text() const;

private:
    std::string name_;
    std::string children_;
};

// Replaces the file's content with the element and keeps the file open until the object goes, so
// that the tool can open its panel in between. A file that cannot be opened, or has no profile
// folder to go in, is not written and not reported.
class PreferencesFile {
public:
    explicit PreferencesFile(const PreferencesElement& element);
    ~PreferencesFile() = default;
    PreferencesFile(const PreferencesFile&) = delete;
    PreferencesFile& operator=(const PreferencesFile&) = delete;

    bool Written() const { return written_; }

private:
    std::ofstream file_;
    bool written_ = false;
};
