// The live effects on dictionary values from the input: every key, any type, any value (NaN,
// infinities, out-of-range numbers), keys the effect does not know.
#include "FuzzInput.h"
#include "HostedFuzz.h"

#include "core/LiveEffectHost.h"
#include "io/Artwork.h"
#include "io/SvgImport.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace scribera;

namespace {

const char* const kEffects[] = {"Mirror...", "Cut...", "Rectangle cut..."};
const char* const kKeys[] = {"ZarvoAngle",   "ZarvoOffset",  "ZarvoMirrorType", "ZarvoFlipAgain",
                             "ZarvoOffsetX", "ZarvoOffsetY", "ZarvoOther"};

// A square with a hole, an open curve and a clipped group: the kinds the effects treat apart.
constexpr const char* kArt =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="400">)svg"
    R"svg(<path d="M50 50h200v200h-200z M100 100h50v50h-50z" fill-rule="evenodd" fill="#36c"/>)svg"
    R"svg(<path d="M20 300C80 200 160 380 300 320" fill="none" stroke="#000"/>)svg"
    R"svg(<g><clipPath id="c"><rect x="200" y="200" width="120" height="120"/></clipPath>)svg"
    R"svg(<circle cx="260" cy="260" r="90" clip-path="url(#c)" fill="#c63"/></g></svg>)svg";

void SelectAll(std::vector<io::ArtNode>& nodes) {
    for (io::ArtNode& n : nodes) n.selected = true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    fuzzhost::StartedPlugin plugin(400, 400);
    io::Artwork art;
    std::string error;
    if (!io::ImportSvgText(kArt, "art.svg", 400, &art, &error)) std::abort();
    SelectAll(art.art);
    if (io::AddToDocument(art, plugin.session.Doc()) != SB_OK) std::abort();
    const LiveEffectRecord* effect = FindLiveEffect(plugin.session, kEffects[in.Byte() % 3]);
    if (!effect) std::abort();
    Dictionary preset;
    const int entries = in.Byte() % 8;
    for (int i = 0; i < entries; ++i) {
        DictionaryEntry entry;
        const std::string key = kKeys[in.Byte() % 7];
        switch (in.Byte() % 4) {
            case 0:
                entry.type = DictionaryEntry::Type::Integer;
                entry.integer = in.Int();
                break;
            case 1:
                entry.type = DictionaryEntry::Type::Boolean;
                entry.boolean = in.Bit();
                break;
            case 2:
                entry.type = DictionaryEntry::Type::Real;
                entry.real = in.Raw();
                break;
            default:
                entry.type = DictionaryEntry::Type::Real;
                entry.real = in.Short() / 16.0;
                break;
        }
        preset[key] = entry;
    }
    ApplyLiveEffect(plugin.session, plugin.host, *effect, preset);
    return 0;
}
