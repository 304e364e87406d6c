#include "io/Json.h"

#include "io/Format.h"

#include <cmath>
#include <cstdio>

namespace scribera::io {

std::string JsonQuote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

void JsonWriter::Value() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ", ";
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    Value();
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    out_ += '}';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Value();
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    out_ += ']';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::NewLine() {
    newLine_ = true;
    return *this;
}

JsonWriter& JsonWriter::Key(const std::string& key) {
    if (!first_.back()) out_ += newLine_ ? ",\n " : ", ";
    newLine_ = false;
    first_.back() = false;
    out_ += JsonQuote(key);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(const std::string& value) {
    Value();
    out_ += JsonQuote(value);
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    Value();
    // JSON has no NaN or infinity; such a value is a fault upstream and shows as null.
    out_ += std::isfinite(value) ? FormatNumber(value) : "null";
    return *this;
}

JsonWriter& JsonWriter::Integer(int64_t value) {
    Value();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Value();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Value();
    out_ += "null";
    return *this;
}

}  // namespace scribera::io
