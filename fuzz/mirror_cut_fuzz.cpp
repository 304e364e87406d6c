// The mirror engine and the rectangle cut on art built from the input: the Mirror, Cut and
// RectCut tools dragged with keys and modifiers, and their live effects.
#include "FuzzInput.h"
#include "HostedFuzz.h"
#include "ScenarioText.h"

#include <cstdint>
#include <string>

using namespace fuzzhost;

namespace {

const char* const kTools[] = {"Mirror", "Cut", "RectCut"};
const char* const kKeys[] = {"Up", "Down", "Left", "Right"};
const char* const kModifiers[] = {"shift", "alt", "0x1000", "0x0100"};

std::string Gesture(FuzzInput& in) {
    std::string s = "tool " + std::string(kTools[in.Byte() % 3]) + "\n";
    const uint8_t held = in.Byte();
    for (int m = 0; m < 4; ++m)
        if (held & (1 << m)) s += "mod " + std::string(kModifiers[m]) + " on\n";
    if (held & 0x10) s += "key " + std::string(kKeys[(held >> 5) % 4]) + " down\n";
    s += "down " + Point(in) + "\n";
    const int drags = 1 + in.Byte() % 3;
    for (int k = 0; k < drags; ++k) s += "drag " + Point(in) + " steps " + std::to_string(1 + in.Byte() % 3) + "\n";
    return s + "up " + Point(in) + "\n";
}

std::string Effect(FuzzInput& in) {
    switch (in.Byte() % 3) {
        case 0:
            return "effect Mirror... ZarvoAngle=" + Number(in.Short() / 64.0) +
                   " ZarvoMirrorType=" + std::to_string(1 + in.Byte() % 7) +
                   " ZarvoFlipAgain=" + (in.Bit() ? "1" : "0") + "\n";
        case 1:
            return "effect Cut... ZarvoOffset=" + Number(in.Short() / 64.0) +
                   " ZarvoFlipAgain=" + (in.Bit() ? "1" : "0") + "\n";
        default:
            return "effect \"Rectangle cut...\" ZarvoOffsetX=" + Number(in.Short() / 64.0) +
                   " ZarvoOffsetY=" + Number(in.Short() / 64.0) + "\n";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 2048) return 0;
    FuzzInput in(data, size);
    const uint8_t how = in.Byte();
    std::string scenario = Artwork(in);
    scenario += (how & 1) ? Effect(in) : Gesture(in);
    if (how & 2) scenario += "undo\nselect all\n" + Effect(in);
    PlayScenario(scenario);
    return 0;
}
