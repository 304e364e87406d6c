// The texts exchanged with the tool panels: the single-line object of string values the plug-in
// sends when a panel is ready, and the reading of values out of the compact object a panel sends
// back. Payloads come from outside the plug-in: every read stays inside the text.
#pragma once

#include <cstdint>
#include <string>

class PanelPayload {
public:
    // `separator` goes between a key and its value, quotes included.
    static constexpr const char* kSeparator = "\" : \"";
    static constexpr const char* kCompactSeparator = "\": \"";  // the rhombus panel's

    explicit PanelPayload(const char* separator = kSeparator) : separator_(separator) {}

    PanelPayload& Add(const std::string& key, const std::string& value);
    PanelPayload& Add(const std::string& key, double value);
    PanelPayload& Add(const std::string& key, int32_t value);
    // Written 1 or 0.
    PanelPayload& Add(const std::string& key, bool value);
    std::string Text() const { return "{" + entries_ + "}"; }

private:
    std::string separator_;
    std::string entries_;
};

// The value of `key`: after the first "key" (quotes included) skip two characters, then up to the
// next double quote (or the end of the text). Empty when nothing lies between. False, with `value`
// untouched, when the key does not occur.
bool ExtractPayloadValue(const std::string& payload, const std::string& key, std::string* value);

// The leading decimal number of the text (blanks before it skipped); 0 when there is none or when
// it lies outside the range of a double.
double ReadLeadingNumber(const std::string& text);
// The leading decimal integer; 0 when there is none; clamped to the 32-bit range.
int32_t ReadLeadingInteger(const std::string& text);
// True exactly for "true".
bool ReadTruth(const std::string& text);

// Reads the key's value into the field; a key the payload lacks leaves the field as it was.
void ReadPayloadField(const std::string& payload, const std::string& key, double* field);
void ReadPayloadField(const std::string& payload, const std::string& key, int32_t* field);
void ReadPayloadField(const std::string& payload, const std::string& key, bool* field);
