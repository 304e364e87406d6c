// A small streaming JSON writer: numbers that read back as the same double, strings escaped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scribera::io {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const std::string& key);
    JsonWriter& String(const std::string& value);
    JsonWriter& Number(double value);
    JsonWriter& Integer(int64_t value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    // Starts the next member of the outermost object on a line of its own.
    JsonWriter& NewLine();

    const std::string& Text() const { return out_; }

private:
    void Value();
    std::string out_;
    std::vector<bool> first_;  // per open container: nothing written in it yet
    bool afterKey_ = false;
    bool newLine_ = false;
};

std::string JsonQuote(const std::string& text);

}  // namespace scribera::io
