// Every panel controller's parameter handler on any payload: the panel of a tool answers with the
// input, opened from the tool's options or by a click, then the tool draws with what it read; or
// the panel of a live effect answers, opened by the effect's parameters.
#include "FuzzInput.h"
#include "HostedFuzz.h"
#include "ScenarioText.h"

#include <cstdint>
#include <string>

using namespace fuzzhost;

namespace {

// Tile and Rosette keep their places ahead of the polar mesh and the spike, whether built or not.
const char* const kTools[] = {"Rose", "Wave",    "Rhombus", "Spiral",  "GoldenRect", "Grid", "Mirror",
                              "Cut",  "RectCut", "Tile",    "Rosette", "PolarMesh",  "Spike"};
constexpr int kToolCount = sizeof kTools / sizeof kTools[0];
const char* const kEffects[] = {"Mirror...", "Cut...", "\"Rectangle cut...\""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    FuzzInput in(data, size);
    const uint8_t tool = in.Byte(), how = in.Byte();
    std::string payload = in.Rest();
    // A scenario line holds the payload; the panel's text ends with the line.
    for (char& c : payload)
        if (c == '\n' || c == '\r' || c == '\0') c = ' ';
    std::string scenario = "document 400 400\npath closed 100,100 300,100 300,300 100,300\nselect all\n";
    if (how & 4) {
        scenario += "panel params " + payload + "\n";
        scenario += "effect " + std::string(kEffects[tool % 3]) + "\n";
    } else {
        scenario += "tool " + std::string(kTools[tool % kToolCount]) + "\n";
        scenario += "panel params " + payload + "\n";
        scenario += (how & 1) ? "click 200 200\n" : "edit-options\n";
        if (how & 2) scenario += "select all\ndown 150 150\ndrag 260 240 steps 2\nup\n";
    }
    PlayScenario(scenario);
    return 0;
}
