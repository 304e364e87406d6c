// What the studio's page asks for, read from its JSON bodies into the words of the script command
// that does it. Everything from the page is checked here: names against the lists the host knows,
// numbers finite and bounded, texts without room for a second command. Pure: no session.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace scribera::studio {

using Words = std::vector<std::string>;

// Coordinates and sizes from the page are refused beyond this magnitude.
constexpr double kLargestCoordinate = 1e7;

struct MouseRequest {
    enum class Kind { Down, Drag, Up, Click } kind = Kind::Down;
    double x = 0, y = 0;
    std::vector<std::string> keys;  // the keys held (Up, Down, Left, Right, Escape, C, M, P, R, T)
    uint16_t modifiers = 0;         // the modifier word's bits
};

// Each returns false with a message for the page when the body is not what the route takes.
bool ReadMouse(const nlohmann::json& body, MouseRequest* out, std::string* error);
// {"mode":"all"|"none"} or {"indices":[0, 2]}: the `select` command.
bool ReadSelect(const nlohmann::json& body, Words* out, std::string* error);
// {"target":"fill"|"stroke","paint":{"kind":"none"|"gray"|"rgb"|"linear"|"radial", ...}}.
bool ReadPaint(const nlohmann::json& body, Words* out, std::string* error);
// {"name":"Mirror...","values":{"ZarvoAngle":"90", ...}}: the `effect` command.
bool ReadEffect(const nlohmann::json& body, Words* out, std::string* error);
// {"on":true}: `record on`.
bool ReadRecord(const nlohmann::json& body, Words* out, std::string* error);
// {"index":0,"dialog":true}: `play 0 dialog`.
bool ReadPlay(const nlohmann::json& body, Words* out, std::string* error);
// {"name":"Rose"}: a tool's name (checked against the registered tools by the session).
bool ReadName(const nlohmann::json& body, std::string* out, std::string* error);
// {"type":"com.norvane.event.RoseToolParams","data":"{...}"}.
bool ReadPanelAnswer(const nlohmann::json& body, std::string* type, std::string* data, std::string* error);

// A number as the script reads it back exactly (shortest round-trip text).
std::string NumberWord(double value);

}  // namespace scribera::studio
