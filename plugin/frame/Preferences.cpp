#include "frame/Preferences.h"

#include "frame/TextFormat.h"
#include "platform/Platform.h"

std::string PreferencesPath() {
    std::string folder;
    // Without the profile folder the path would name the file-system root.
    if (!platform::ProfileFolder(&folder) || folder.empty()) return std::string();
    return folder + platform::PathSeparator() + "ZToolPref.xml";
}

PreferencesElement::PreferencesElement(const std::string& name) : name_(name) {}

PreferencesElement& PreferencesElement::Add(const std::string& name, double value) {
    children_ += "<" + name + ">" + FormatNumber(value) + "</" + name + ">";
    return *this;
}

PreferencesElement& PreferencesElement::Add(const std::string& name, int32_t value) {
    children_ += "<" + name + ">" + FormatInteger(value) + "</" + name + ">";
    return *this;
}

std::string PreferencesElement::Text() const { return "<" + name_ + ">" + children_ + "</" + name_ + ">"; }

PreferencesFile::PreferencesFile(const PreferencesElement& element) {
    const std::string path = PreferencesPath();
    if (path.empty()) return;
    file_.open(path, std::ios::out | std::ios::trunc);
    if (!file_.is_open()) return;
    file_ << element.Text();
    // The panel may read the file while it loads, before this object closes it.
    file_.flush();
    written_ = static_cast<bool>(file_);
}
