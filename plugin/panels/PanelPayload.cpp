#include "panels/PanelPayload.h"

#include "frame/TextFormat.h"

#include <charconv>
#include <cstdint>
#include <limits>

PanelPayload& PanelPayload::Add(const std::string& key, const std::string& value) {
    if (!entries_.empty()) entries_ += ", ";
    entries_ += "\"" + key + separator_ + value + "\"";
    return *this;
}

PanelPayload& PanelPayload::Add(const std::string& key, double value) { return Add(key, FormatNumber(value)); }

PanelPayload& PanelPayload::Add(const std::string& key, int32_t value) { return Add(key, FormatInteger(value)); }

PanelPayload& PanelPayload::Add(const std::string& key, bool value) { return Add(key, std::string(value ? "1" : "0")); }

bool ExtractPayloadValue(const std::string& payload, const std::string& key, std::string* value) {
    const std::string quoted = "\"" + key + "\"";
    const size_t found = payload.find(quoted);
    if (found == std::string::npos) return false;
    const size_t start = found + quoted.size() + 2;
    if (start >= payload.size()) {
        value->clear();
        return true;
    }
    const size_t end = payload.find('"', start);
    *value = payload.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return true;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The span of a leading decimal number: sign, digits with an optional fraction, optional exponent.
// Returns the start and sets `end`; start == end when there is none.
size_t ScanNumber(const std::string& text, bool allowFraction, size_t* end) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (allowFraction && i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) {
        *end = start;
        return start;
    }
    if (allowFraction && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    *end = i;
    return start;
}

}  // namespace

double ReadLeadingNumber(const std::string& text) {
    size_t end = 0;
    size_t start = ScanNumber(text, true, &end);
    if (start == end) return 0.0;
    // from_chars takes no plus sign.
    if (text[start] == '+') ++start;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + end, value);
    if (result.ec != std::errc()) return 0.0;
    return value;
}

int32_t ReadLeadingInteger(const std::string& text) {
    size_t end = 0;
    size_t start = ScanNumber(text, false, &end);
    if (start == end) return 0;
    bool negative = text[start] == '-';
    if (text[start] == '+' || text[start] == '-') ++start;
    // Accumulate with a ceiling so that a thousand digits cannot overflow.
    const int64_t limit =
        negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min()) : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (size_t i = start; i < end; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

bool ReadTruth(const std::string& text) { return text == "true"; }

void ReadPayloadField(const std::string& payload, const std::string& key, double* field) {
    std::string value;
    if (ExtractPayloadValue(payload, key, &value)) *field = ReadLeadingNumber(value);
}

void ReadPayloadField(const std::string& payload, const std::string& key, int32_t* field) {
    std::string value;
    if (ExtractPayloadValue(payload, key, &value)) *field = ReadLeadingInteger(value);
}

void ReadPayloadField(const std::string& payload, const std::string& key, bool* field) {
    std::string value;
    if (ExtractPayloadValue(payload, key, &value)) *field = ReadTruth(value);
}
