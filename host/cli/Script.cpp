#include "cli/Script.h"

#include "core/LiveEffectHost.h"
#include "core/panels/PanelService.h"
#include "desk/Desk.h"
#include "io/Artwork.h"
#include "io/Dump.h"
#include "io/PathData.h"
#include "io/SvgExport.h"
#include "io/SvgImport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <set>
#include <sstream>

namespace scribera::cli {

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool Number(const std::string& w, double* v) {
    const char* first = w.data();
    const char* last = w.data() + w.size();
    if (first != last && *first == '+') ++first;
    auto r = std::from_chars(first, last, *v);
    return r.ec == std::errc() && r.ptr == last && std::isfinite(*v) && std::fabs(*v) <= io::kMaxCoordinate;
}

bool Integer(const std::string& w, int64_t* v) {
    const char* first = w.data();
    const char* last = w.data() + w.size();
    int base = 10;
    bool negative = false;
    if (first != last && *first == '-') {
        negative = true;
        ++first;
    }
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        base = 16;
        first += 2;
    }
    uint64_t u = 0;
    auto r = std::from_chars(first, last, u, base);
    if (r.ec != std::errc() || r.ptr != last || first == last || u > 0xFFFFFFFFull) return false;
    *v = negative ? -static_cast<int64_t>(u) : static_cast<int64_t>(u);
    return true;
}

bool Point(const std::string& w, SBRealPoint* p) {
    size_t comma = w.find(',');
    return comma != std::string::npos && Number(w.substr(0, comma), &p->h) && Number(w.substr(comma + 1), &p->v);
}

struct Stop {
    double position = 0, midpoint = 50;
    SBColor colour{};
};

struct PaintSpec {
    enum Kind { None, Colour, Linear, Radial } kind = None;
    SBColor colour{};
    double angle = 0;
    std::vector<Stop> stops;
};

bool Unit(double v) { return v >= 0 && v <= 1; }

bool ColourWords(const std::vector<std::string>& w, size_t at, SBColor* c, std::string* error) {
    size_t n = w.size() - at;
    std::vector<double> v;
    for (size_t i = at + 1; i < w.size(); ++i) {
        double x;
        if (!Number(w[i], &x)) {
            *error = "bad number '" + w[i] + "'";
            return false;
        }
        if (!Unit(x)) {
            *error = "colour value " + w[i] + " outside 0..1";
            return false;
        }
        v.push_back(x);
    }
    const std::string& kind = w[at];
    if (kind == "gray" && n == 2) {
        c->kind = SB_COLOR_GRAY;
        c->c.gray.gray = v[0];
    } else if (kind == "rgb" && n == 4) {
        c->kind = SB_COLOR_THREE;
        c->c.three = {v[0], v[1], v[2]};
    } else if (kind == "cmyk" && n == 5) {
        c->kind = SB_COLOR_FOUR;
        c->c.four = {v[0], v[1], v[2], v[3]};
    } else {
        *error = "expected gray G, rgb R G B or cmyk C M Y K";
        return false;
    }
    return true;
}

// POSITION[@MIDPOINT]:rgb:R:G:B (also gray:G and cmyk:C:M:Y:K).
bool ParseStop(const std::string& text, Stop* stop, std::string* error) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    if (parts.size() < 3) {
        *error = "bad gradient stop '" + text + "' (POSITION:rgb:R:G:B)";
        return false;
    }
    std::string pos = parts[0];
    size_t at = pos.find('@');
    if (!Number(pos.substr(0, at), &stop->position) ||
        (at != std::string::npos && !Number(pos.substr(at + 1), &stop->midpoint)) || stop->position < 0 ||
        stop->position > 100 || stop->midpoint < 0 || stop->midpoint > 100) {
        *error = "bad gradient stop position '" + pos + "' (per cent, 0..100)";
        return false;
    }
    std::vector<std::string> colour(parts.begin() + 1, parts.end());
    if (!ColourWords(colour, 0, &stop->colour, error)) {
        *error = "bad gradient stop '" + text + "': " + *error;
        return false;
    }
    return true;
}

bool ParsePaint(const std::vector<std::string>& w, size_t at, PaintSpec* paint, std::string* error) {
    if (at >= w.size()) {
        *error = "missing paint";
        return false;
    }
    const std::string& kind = w[at];
    if (kind == "none" && w.size() == at + 1) {
        paint->kind = PaintSpec::None;
        return true;
    }
    if (kind == "linear" || kind == "radial") {
        size_t first = at + 1;
        if (kind == "linear") {
            if (w.size() <= first || !Number(w[first], &paint->angle)) {
                *error = "linear needs an angle";
                return false;
            }
            ++first;
        }
        paint->kind = kind == "linear" ? PaintSpec::Linear : PaintSpec::Radial;
        for (size_t i = first; i < w.size(); ++i) {
            Stop s;
            if (!ParseStop(w[i], &s, error)) return false;
            if (!paint->stops.empty() && s.position < paint->stops.back().position) {
                *error = "gradient stops must be in order of position";
                return false;
            }
            paint->stops.push_back(s);
        }
        if (paint->stops.empty()) {
            *error = "a gradient needs at least one stop";
            return false;
        }
        return true;
    }
    paint->kind = PaintSpec::Colour;
    return ColourWords(w, at, &paint->colour, error);
}

bool ModifierBit(const std::string& name, uint16_t* bit) {
    if (name == "shift") {
        *bit = SB_MOD_SHIFT;
        return true;
    }
    if (name == "alt") {
        *bit = SB_MOD_ALT;
        return true;
    }
    int64_t v;
    if (Integer(name, &v) && v > 0 && v <= 0xFFFF) {
        *bit = static_cast<uint16_t>(v);
        return true;
    }
    return false;
}

bool ResultCode(const std::string& w, SBErr* code) {
    int64_t v;
    if (Integer(w, &v)) {
        *code = static_cast<SBErr>(static_cast<uint32_t>(v));
        return true;
    }
    // Four characters, bare or in single quotes: CANT or 'CANT'.
    std::string c = w.size() == 6 && w.front() == '\'' && w.back() == '\'' ? w.substr(1, 4) : w;
    if (c.size() == 4) {
        *code = static_cast<SBErr>(SB_FOURCC(c[0], c[1], c[2], c[3]));
        return true;
    }
    return false;
}

// Syntax of one command; what it refers to is checked when it is played.
bool Check(const Command& c, std::string* error) {
    const auto& w = c.words;
    const std::string& name = w[0];
    size_t n = w.size() - 1;
    auto args = [&](size_t expected) {
        if (n == expected) return true;
        *error = "'" + name + "' takes " + std::to_string(expected) + " argument" + (expected == 1 ? "" : "s");
        return false;
    };
    auto numbers = [&](size_t from, size_t count) {
        for (size_t i = from; i < from + count; ++i) {
            double v;
            if (!Number(w[i], &v)) {
                *error = "bad number '" + w[i] + "'";
                return false;
            }
        }
        return true;
    };
    auto indices = [&](size_t from) {
        for (size_t i = from; i < w.size(); ++i) {
            int64_t v;
            if (!Integer(w[i], &v) || v < 0) {
                *error = "bad index '" + w[i] + "'";
                return false;
            }
        }
        return true;
    };
    auto oneOf = [&](size_t i, std::initializer_list<const char*> words) {
        for (const char* x : words)
            if (w[i] == x) return true;
        std::string list;
        for (const char* x : words) list += (list.empty() ? "" : ", ") + std::string(x);
        *error = "'" + name + "' expects " + list + ", not '" + w[i] + "'";
        return false;
    };
    if (name == "document") {
        if (!args(2) || !numbers(1, 2)) return false;
        double wd, ht;
        Number(w[1], &wd);
        Number(w[2], &ht);
        if (wd <= 0 || ht <= 0) {
            *error = "the document's width and height must be positive";
            return false;
        }
        return true;
    }
    if (name == "view") return args(4) && numbers(1, 4);
    if (name == "page-origin") return args(2) && numbers(1, 2);
    if (name == "colour-model") return args(1) && oneOf(1, {"rgb", "cmyk", "gray"});
    if (name == "fill" || name == "stroke") {
        PaintSpec p;
        return ParsePaint(w, 1, &p, error);
    }
    if (name == "path") {
        size_t first = (n >= 1 && w[1] == "closed") ? 2 : 1;
        if (first >= w.size()) {
            *error = "'path' needs points X,Y";
            return false;
        }
        for (size_t i = first; i < w.size(); ++i) {
            SBRealPoint p;
            if (!Point(w[i], &p)) {
                *error = "bad point '" + w[i] + "' (X,Y)";
                return false;
            }
        }
        return true;
    }
    if (name == "path-d") {
        if (!args(1)) return false;
        std::vector<io::Subpath> subpaths;
        std::string why;
        if (!io::ParsePathData(w[1], &subpaths, &why)) {
            *error = "bad path data (" + why + ")";
            return false;
        }
        if (subpaths.empty()) {
            *error = "the path data draws nothing";
            return false;
        }
        return true;
    }
    if (name == "mesh") {
        if (!args(6) || !numbers(3, 4)) return false;
        for (size_t i = 1; i <= 2; ++i) {
            int64_t v;
            if (!Integer(w[i], &v) || v < 1 || v > 1000) {
                *error = "mesh columns and rows must be whole numbers 1..1000";
                return false;
            }
        }
        return true;
    }
    if (name == "import" || name == "save" || name == "dump" || name == "tool" || name == "profile-folder")
        return args(1);
    if (name == "group" || name == "clip") {
        if (n < (name == "clip" ? 2u : 1u)) {
            *error = name == "clip" ? "'clip' needs the clip path and what it clips" : "'group' needs indices";
            return false;
        }
        if (!indices(1)) return false;
        std::set<std::string> seen(w.begin() + 1, w.end());
        if (seen.size() != n) {
            *error = "an index is given twice";
            return false;
        }
        return true;
    }
    if (name == "select") {
        if (n == 1 && (w[1] == "all" || w[1] == "none")) return true;
        if (n == 0) {
            *error = "'select' expects all, none or indices";
            return false;
        }
        return indices(1);
    }
    if (name == "edit-options" || name == "undo" || name == "redo" || name == "unload" || name == "reload")
        return args(0);
    if (name == "key") {
        if (!args(2)) return false;
        if (desk::KeyCode(w[1]) < 0) {
            *error = "unknown key '" + w[1] + "' (Up, Down, Left, Right, Escape, C, M, P, R, T)";
            return false;
        }
        return oneOf(2, {"down", "up"});
    }
    if (name == "mod") {
        if (!args(2)) return false;
        uint16_t bit;
        if (!ModifierBit(w[1], &bit)) {
            *error = "unknown modifier '" + w[1] + "' (shift, alt, 0x1000, 0x0100)";
            return false;
        }
        return oneOf(2, {"on", "off"});
    }
    if (name == "down" || name == "click") return args(2) && numbers(1, 2);
    if (name == "drag") {
        if (n == 2) return numbers(1, 2);
        if (n == 4 && numbers(1, 2) && w[3] == "steps") {
            int64_t steps;
            if (Integer(w[4], &steps) && steps >= 1 && steps <= 100000) return true;
            *error = "steps must be a whole number 1..100000";
            return false;
        }
        *error = "'drag' expects X Y [steps N]";
        return false;
    }
    if (name == "up") {
        if (n == 0) return true;
        return args(2) && numbers(1, 2);
    }
    if (name == "panel") {
        if (n == 1 && (w[1] == "cancel" || w[1] == "none")) return true;
        if (n >= 2 && w[1] == "params") return true;
        *error = "'panel' expects params TEXT, cancel or none";
        return false;
    }
    if (name == "answer") return args(1) && oneOf(1, {"yes", "no"});
    if (name == "record") return args(1) && oneOf(1, {"on", "off"});
    if (name == "play") {
        int64_t v;
        if ((n == 1 || (n == 2 && w[2] == "dialog")) && Integer(w[1], &v) && v >= 0) return true;
        *error = "'play' expects N [dialog]";
        return false;
    }
    if (name == "effect") {
        if (n < 1) {
            *error = "'effect' needs the effect's name";
            return false;
        }
        for (size_t i = 2; i < w.size(); ++i)
            if (w[i].find('=') == std::string::npos || w[i].front() == '=') {
                *error = "bad effect parameter '" + w[i] + "' (KEY=VALUE)";
                return false;
            }
        return true;
    }
    if (name == "fail") {
        if (!args(3)) return false;
        int64_t nth;
        SBErr code;
        if (w[1].find('.') == std::string::npos) {
            *error = "'fail' expects SUITE.OPERATION";
            return false;
        }
        if (!Integer(w[2], &nth) || nth < 1) {
            *error = "the call number must be 1 or more";
            return false;
        }
        if (!ResultCode(w[3], &code)) {
            *error = "bad result code '" + w[3] + "'";
            return false;
        }
        return true;
    }
    *error = "unknown command '" + name + "'";
    return false;
}

std::string Where(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

}  // namespace

bool SplitLine(const std::string& line, std::vector<std::string>* words, std::string* error) {
    words->clear();
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size() || line[i] == '#') break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) c = line[i++];
                word += c;
            }
            if (!closed) {
                *error = "unterminated quoted word";
                return false;
            }
            if (i < line.size() && !IsBlank(line[i])) {
                *error = "a quoted word must be followed by a blank";
                return false;
            }
        } else {
            while (i < line.size() && !IsBlank(line[i])) word += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

bool ParseScript(const std::string& text, const std::string& fileName, std::vector<Command>* commands,
                 std::string* error) {
    std::vector<Command> out;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Command c;
        c.line = number;
        std::string why;
        // A panel's payload is taken exactly as written, whatever it holds.
        std::vector<std::string> head;
        size_t params = line.find("params");
        if (params != std::string::npos && SplitLine(line.substr(0, params + 6), &head, &why) && head.size() == 2 &&
            head[0] == "panel" && head[1] == "params") {
            size_t at = params + 6;
            size_t start = line.find_first_not_of(" \t", at);
            c.rest = start == std::string::npos ? "" : line.substr(start);
            c.words = {"panel", "params", c.rest};
            if (c.rest.empty() || out.empty()) {
                *error = Where(fileName, number) +
                         (out.empty() ? "the script must begin with 'document W H'" : "'panel params' needs the parameters");
                return false;
            }
            out.push_back(std::move(c));
            continue;
        }
        if (!SplitLine(line, &c.words, &why)) {
            *error = Where(fileName, number) + why;
            return false;
        }
        if (c.words.empty()) continue;
        if (!Check(c, &why)) {
            *error = Where(fileName, number) + why;
            return false;
        }
        if (out.empty() && c.words[0] != "document" && c.words[0] != "profile-folder") {
            *error = Where(fileName, number) + "the script must begin with 'document W H'";
            return false;
        }
        out.push_back(std::move(c));
    }
    if (out.empty()) {
        *error = Where(fileName, number > 0 ? number : 1) + "the script has no commands (it must begin with 'document W H')";
        return false;
    }
    *commands = std::move(out);
    return true;
}

Player::Player(Session& session, const PlayOptions& options) : session_(session), options_(options), host_(session) {
    session_.MakeCurrent();
}

Player::~Player() { Finish(); }

bool Player::Start(std::string* error) {
    if (started_) return true;
    std::string folder = options_.hostFolder;
    if (folder.empty()) {
        std::error_code ec;
        fs::path self = fs::read_symlink("/proc/self/exe", ec);
        if (!ec) folder = self.parent_path().string();
    }
    session_.Desktop().hostFolder = folder;
    if (session_.Desktop().desk.profileFolder.empty()) {
        fs::path profile = fs::path(options_.outputDir) / (options_.sessionName + "-profile");
        std::error_code ec;
        fs::create_directories(profile, ec);
        session_.Desktop().desk.profileFolder = fs::absolute(profile, ec).string();
    }
    if (!host_.Load(options_.pluginPath, error)) return false;
    host_.Startup();
    started_ = true;
    return true;
}

void Player::Finish() {
    if (!started_) return;
    started_ = false;
    const Id tool = session_.Registry().selectedTool;
    if (host_.Dragging() && tool != kNoId) host_.MouseUp(tool, last_);
    host_.Shutdown();
}

bool Player::Play(const std::vector<Command>& commands, const std::string& fileName, std::string* error) {
    // A profile folder named by the script takes effect before the plug-in starts.
    for (const Command& c : commands) {
        if (c.words[0] != "profile-folder") break;
        std::string why;
        if (!Run(c, &why)) {
            *error = Where(fileName, c.line) + why;
            return false;
        }
    }
    if (!Start(error)) {
        *error = fileName + ": " + *error;
        return false;
    }
    bool leading = true;
    for (const Command& c : commands) {
        if (leading && c.words[0] == "profile-folder") continue;
        leading = false;
        std::string why;
        if (!Run(c, &why)) {
            *error = Where(fileName, c.line) + why;
            Finish();
            return false;
        }
    }
    Finish();
    return true;
}

bool Player::RequireTool(Id* tool, std::string* error) {
    if (session_.Registry().selectedTool == kNoId) {
        *error = "no tool is selected (use 'tool NAME' first)";
        return false;
    }
    *tool = session_.Registry().selectedTool;
    return true;
}

bool Player::Undo(bool redo, std::string* error) {
    Document& doc = session_.Doc();
    if (redo ? !doc.CanRedo() : !doc.CanUndo()) {
        *error = redo ? "nothing to redo" : "nothing to undo";
        return false;
    }
    SBErr err = redo ? doc.Redo() : doc.Undo();
    if (err != SB_OK) {
        *error = std::string(redo ? "redo" : "undo") + " failed with code " + std::to_string(err);
        return false;
    }
    return true;
}

namespace {

double Num(const std::string& w) {
    double v = 0;
    Number(w, &v);
    return v;
}

int64_t Int(const std::string& w) {
    int64_t v = 0;
    Integer(w, &v);
    return v;
}

// KEY=VALUE words as the instance's dictionary: the mirror effect's keys, typed.
bool EffectPreset(const std::vector<std::string>& w, Dictionary* preset, std::string* error) {
    for (size_t i = 2; i < w.size(); ++i) {
        const size_t eq = w[i].find('=');
        const std::string key = w[i].substr(0, eq), value = w[i].substr(eq + 1);
        DictionaryEntry entry;
        bool ok = false;
        if (key == "ZarvoAngle" || key == "ZarvoOffset" || key == "ZarvoOffsetX" || key == "ZarvoOffsetY") {
            entry.type = DictionaryEntry::Type::Real;
            ok = Number(value, &entry.real) && std::isfinite(entry.real);
        } else if (key == "ZarvoMirrorType") {
            int64_t v = 0;
            entry.type = DictionaryEntry::Type::Integer;
            ok = Integer(value, &v) && v >= INT32_MIN && v <= INT32_MAX;
            entry.integer = static_cast<int32_t>(v);
        } else if (key == "ZarvoFlipAgain") {
            entry.type = DictionaryEntry::Type::Boolean;
            ok = value == "true" || value == "false" || value == "1" || value == "0";
            entry.boolean = value == "true" || value == "1";
        } else {
            *error = "unknown effect parameter '" + key + "'";
            return false;
        }
        if (!ok) {
            *error = "bad value '" + value + "' for " + key;
            return false;
        }
        (*preset)[key] = entry;
    }
    return true;
}

// `effect NAME KEY=VALUE ...`: the named effect applied to the selection with the pairs as its
// instance's dictionary.
bool ApplyEffect(Session& session, PluginHost& host, const std::vector<std::string>& w, std::string* error) {
    const LiveEffectRecord* effect = FindLiveEffect(session, w[1]);
    if (!effect) {
        *error = "no live effect named '" + w[1] + "'";
        return false;
    }
    Dictionary preset;
    if (!EffectPreset(w, &preset, error)) return false;
    const EffectOutcome outcome = ApplyLiveEffect(session, host, *effect, preset);
    switch (outcome.kind) {
    case EffectOutcome::Kind::Applied: return true;
    case EffectOutcome::Kind::NoSelection: *error = "'effect' needs a selection"; return false;
    case EffectOutcome::Kind::GroupRefused:
        *error = "the document refused the effect's group (code " + std::to_string(outcome.code) + ")";
        return false;
    }
    return true;
}

SBColor MakeColour(Document& doc, const PaintSpec& p) {
    SBColor c{};
    switch (p.kind) {
        case PaintSpec::None: c.kind = SB_COLOR_NONE; break;
        case PaintSpec::Colour: c = p.colour; break;
        case PaintSpec::Linear:
        case PaintSpec::Radial: {
            GradientData g;
            g.kind = p.kind == PaintSpec::Radial ? SB_GRADIENT_RADIAL : SB_GRADIENT_LINEAR;
            for (const Stop& s : p.stops) {
                SBGradientStop stop{};
                stop.rampPoint = s.position;
                stop.midPoint = s.midpoint;
                stop.color = s.colour;
                g.stops.push_back(stop);
            }
            c.kind = SB_COLOR_GRADIENT;
            c.c.gradient.gradient = ToHandle<SBGradientHandle>(doc.AddGradient(g));
            // Across the whole page from its centre, until art of its own gives it a place.
            c.c.gradient.origin = {doc.Width() / 2, doc.Height() / 2};
            c.c.gradient.angle = p.angle;
            c.c.gradient.length = doc.Width() / 2;
            c.c.gradient.matrix = {1, 0, 0, 1, 0, 0};
            break;
        }
    }
    return c;
}

bool AddArt(Session& session, io::ArtNode node, std::string* error) {
    io::Artwork art;
    art.art.push_back(std::move(node));
    SBErr err = io::AddToDocument(art, session.Doc(), nullptr, false);
    if (err != SB_OK) {
        *error = "the document refused the art (code " + std::to_string(err) + ")";
        return false;
    }
    return true;
}

void SelectTree(Document& doc, Id art, bool selected) {
    doc.SetUserAttr(art, SB_ATTR_SELECTED, selected ? SB_ATTR_SELECTED : 0);
    for (Id child : doc.Children(art)) SelectTree(doc, child, selected);
}

// Top-level objects by dump index, top first.
bool TopLevel(Document& doc, const std::vector<std::string>& words, size_t from, std::vector<Id>* out,
              std::string* error) {
    std::vector<Id> top = doc.Children(doc.CurrentLayerGroup());
    std::vector<int64_t> indices;
    for (size_t i = from; i < words.size(); ++i) {
        int64_t k = Int(words[i]);
        if (k >= static_cast<int64_t>(top.size())) {
            *error = "no object " + words[i] + " (the layer holds " + std::to_string(top.size()) + ")";
            return false;
        }
        indices.push_back(k);
    }
    std::sort(indices.begin(), indices.end());
    for (int64_t k : indices) out->push_back(top[static_cast<size_t>(k)]);
    return true;
}

}  // namespace

bool Player::Run(const Command& c, std::string* error) {
    // What the script changes in the document is done as a user would, one undo entry per command.
    static const struct {
        const char* command;
        const char* entry;
    } kEntries[] = {{"path", "Path"},   {"path-d", "Path"}, {"mesh", "Mesh"},    {"import", "Import"},
                    {"group", "Group"}, {"clip", "Clip"},   {"select", "Select"}};
    Document& doc = session_.Doc();
    for (const auto& e : kEntries) {
        if (c.words[0] != e.command || doc.InTransaction()) continue;
        doc.BeginTransaction();
        doc.SetUndoText(std::string("Undo ") + e.entry, std::string("Redo ") + e.entry);
        bool ok = Execute(c, error);
        if (!ok) doc.RevertTransaction();
        doc.EndTransaction();
        return ok;
    }
    return Execute(c, error);
}

bool Player::Execute(const Command& c, std::string* error) {
    const auto& w = c.words;
    const std::string& name = w[0];
    Document& doc = session_.Doc();
    auto point = [&](size_t i) { return SBRealPoint{Num(w[i]), Num(w[i + 1])}; };
    if (name == "document") {
        double width = Num(w[1]), height = Num(w[2]);
        session_.NewDocument(width, height);
        Document& d = session_.Doc();
        d.SetPageOrigin({0, 0});
        d.SetView({0, height, width, 0});
        return true;
    }
    if (name == "view") {
        doc.SetView({Num(w[1]), Num(w[4]), Num(w[3]), Num(w[2])});
        return true;
    }
    if (name == "page-origin") {
        doc.SetPageOrigin(point(1));
        return true;
    }
    if (name == "colour-model") {
        doc.SetColourModel(w[1] == "cmyk" ? SB_MODEL_CMYK : w[1] == "gray" ? SB_MODEL_GRAY : SB_MODEL_RGB);
        return true;
    }
    if (name == "fill" || name == "stroke") {
        PaintSpec p;
        ParsePaint(w, 1, &p, error);
        SBPathStyle style = doc.CurrentStyle();
        SBColor colour = MakeColour(doc, p);
        if (name == "fill") {
            style.fillPaint = p.kind != PaintSpec::None;
            style.fill.color = colour;
        } else {
            style.strokePaint = p.kind != PaintSpec::None;
            style.stroke.color = colour;
            if (style.stroke.width <= 0) style.stroke.width = 1;
        }
        doc.SetCurrentStyle(style);
        return true;
    }
    if (name == "path") {
        io::ArtNode node;
        size_t first = w[1] == "closed" ? 2 : 1;
        node.closed = first == 2;
        for (size_t i = first; i < w.size(); ++i) {
            SBRealPoint p;
            Point(w[i], &p);
            node.segments.push_back({p, p, p, 1});
        }
        node.style = doc.CurrentStyle();
        return AddArt(session_, std::move(node), error);
    }
    if (name == "path-d") {
        std::vector<io::Subpath> subpaths;
        io::ParsePathData(w[1], &subpaths, error);
        io::ArtNode node;
        if (subpaths.size() == 1) {
            node.segments = std::move(subpaths[0].anchors);
            node.closed = subpaths[0].closed;
            node.style = doc.CurrentStyle();
        } else {
            node.kind = ArtKind::Compound;
            for (io::Subpath& s : subpaths) {
                io::ArtNode child;
                child.segments = std::move(s.anchors);
                child.closed = s.closed;
                child.style = doc.CurrentStyle();
                node.children.push_back(std::move(child));
            }
        }
        return AddArt(session_, std::move(node), error);
    }
    if (name == "mesh") {
        const SBPathStyle& style = doc.CurrentStyle();
        SBColor colour = style.fill.color;
        if (!style.fillPaint || colour.kind == SB_COLOR_GRADIENT || colour.kind == SB_COLOR_PATTERN ||
            colour.kind == SB_COLOR_NONE) {
            colour = SBColor{};
            colour.kind = SB_COLOR_THREE;
        }
        double left = Num(w[3]), bottom = Num(w[4]), right = Num(w[5]), top = Num(w[6]);
        if (right <= left || top <= bottom) {
            *error = "the mesh's rectangle is empty";
            return false;
        }
        io::ArtNode node;
        node.kind = ArtKind::Mesh;
        node.mesh = MeshGrid::Rectangular(static_cast<int32_t>(Int(w[1])), static_cast<int32_t>(Int(w[2])),
                                          {left, top, right, bottom}, colour);
        return AddArt(session_, std::move(node), error);
    }
    if (name == "import") {
        fs::path file = fs::path(w[1]).is_absolute() ? fs::path(w[1]) : fs::path(options_.scriptDir) / w[1];
        io::Artwork art;
        if (!io::ImportSvgFile(file.string(), doc.Height(), &art, error)) return false;
        SBErr err = io::AddToDocument(art, doc);
        if (err != SB_OK) {
            *error = file.string() + ": the document refused the art (code " + std::to_string(err) + ")";
            return false;
        }
        return true;
    }
    if (name == "group" || name == "clip") {
        std::vector<Id> members;
        if (!TopLevel(doc, w, 1, &members, error)) return false;
        if (name == "clip") {
            const Art* clip = doc.Find(members.front());
            if (!clip || (clip->kind != ArtKind::Path && clip->kind != ArtKind::Compound)) {
                *error = "the topmost object of a clip must be a path or a compound path";
                return false;
            }
        }
        Id group = kNoId;
        SBErr err = doc.NewArt(ArtKind::Group, SB_PLACE_ABOVE, members.front(), &group);
        for (size_t i = 0; err == SB_OK && i < members.size(); ++i)
            err = doc.Reorder(members[i], SB_PLACE_INSIDE_ON_BOTTOM, group);
        if (err == SB_OK && name == "clip") {
            std::vector<Id> paths{members.front()};
            if (doc.Find(members.front())->kind == ArtKind::Compound) paths = doc.Children(members.front());
            for (Id p : paths) {
                const Art* a = doc.Find(p);
                if (!a || a->kind != ArtKind::Path) continue;
                SBPathStyle style = a->style;
                style.clip = 1;
                if (err == SB_OK) err = doc.SetStyle(p, style);
            }
            if (err == SB_OK) err = doc.SetClipped(group, true);
        }
        if (err != SB_OK) {
            *error = "the document refused the " + name + " (code " + std::to_string(err) + ")";
            return false;
        }
        return true;
    }
    if (name == "select") {
        std::vector<Id> chosen;
        std::vector<Id> top = doc.Children(doc.CurrentLayerGroup());
        if (w[1] == "all") chosen = top;
        else if (w[1] != "none" && !TopLevel(doc, w, 1, &chosen, error)) return false;
        for (Id a : top) SelectTree(doc, a, false);
        for (Id a : chosen) SelectTree(doc, a, true);
        return true;
    }
    if (name == "tool") {
        auto it = std::find_if(session_.Registry().tools.begin(), session_.Registry().tools.end(),
                               [&](const ToolRecord& t) { return t.name == w[1]; });
        if (it == session_.Registry().tools.end()) {
            *error = "no tool named '" + w[1] + "'";
            return false;
        }
        Id tool = it->id;
        Id& selected = session_.Registry().selectedTool;
        if (selected != kNoId && selected != tool) host_.DeselectTool(selected);
        selected = tool;
        host_.SelectTool(tool);
        return true;
    }
    if (name == "edit-options") {
        Id tool;
        if (!RequireTool(&tool, error)) return false;
        host_.EditOptions(tool);
        return true;
    }
    if (name == "key") {
        int32_t code = desk::KeyCode(w[1]);
        if (w[2] == "down") desk::PressKey(session_.Desktop().desk, code);
        else desk::ReleaseKey(session_.Desktop().desk, code);
        return true;
    }
    if (name == "mod") {
        uint16_t bit = 0;
        ModifierBit(w[1], &bit);
        uint16_t m = host_.Modifiers();
        host_.SetModifiers(w[2] == "on" ? static_cast<uint16_t>(m | bit) : static_cast<uint16_t>(m & ~bit));
        return true;
    }
    if (name == "down" || name == "click") {
        Id tool;
        if (!RequireTool(&tool, error)) return false;
        if (host_.Dragging()) {
            *error = "the mouse is already down";
            return false;
        }
        SBRealPoint p = point(1);
        host_.TrackCursor(tool, p);
        host_.MouseDown(tool, p);
        last_ = p;
        if (name == "click") host_.MouseUp(tool, p);
        return true;
    }
    if (name == "drag") {
        Id tool;
        if (!RequireTool(&tool, error)) return false;
        if (!host_.Dragging()) {
            *error = "'drag' without 'down'";
            return false;
        }
        SBRealPoint to = point(1);
        int64_t steps = w.size() == 5 ? Int(w[4]) : 1;
        SBRealPoint from = last_;
        for (int64_t i = 1; i <= steps; ++i) {
            double t = static_cast<double>(i) / static_cast<double>(steps);
            SBRealPoint p = i == steps ? to : SBRealPoint{from.h + t * (to.h - from.h), from.v + t * (to.v - from.v)};
            host_.MouseDrag(tool, p);
        }
        last_ = to;
        return true;
    }
    if (name == "up") {
        Id tool;
        if (!RequireTool(&tool, error)) return false;
        if (!host_.Dragging()) {
            *error = "'up' without 'down'";
            return false;
        }
        SBRealPoint p = w.size() == 3 ? point(1) : last_;
        host_.MouseUp(tool, p);
        last_ = p;
        return true;
    }
    if (name == "answer") {
        session_.Shown().scriptedAnswers.push_back(w[1] == "yes");
        return true;
    }
    if (name == "record") {
        session_.Actions().recording = w[1] == "on";
        return true;
    }
    if (name == "panel") {
        PanelScript script;
        if (w[1] == "params") {
            script.kind = PanelScript::Kind::Params;
            script.text = w[2];
        } else if (w[1] == "cancel") {
            script.kind = PanelScript::Kind::Cancel;
        }
        PanelService::Instance().QueueScript(script);
        return true;
    }
    if (name == "play") {
        const int64_t index = Int(w[1]);
        if (index >= static_cast<int64_t>(session_.Actions().recorded.size())) {
            *error = "no recorded action " + w[1] + " (" + std::to_string(session_.Actions().recorded.size()) +
                     " recorded)";
            return false;
        }
        // Playing back while recording records again: play from a copy.
        const RecordedAction action = session_.Actions().recorded[static_cast<size_t>(index)];
        Id value = session_.NewActionValue(action.values);
        host_.DoAction(w.size() == 3, ToHandle<SBActionParamValueRef>(value));
        session_.Handles().Forget(value);
        return true;
    }
    if (name == "effect") return ApplyEffect(session_, host_, w, error);
    if (name == "undo" || name == "redo") return Undo(name == "redo", error);
    if (name == "unload") {
        host_.Unload();
        return true;
    }
    if (name == "reload") {
        host_.Reload();
        return true;
    }
    if (name == "fail") {
        SBErr code = 0;
        ResultCode(w[3], &code);
        session_.Faults().Arm(w[1], static_cast<int32_t>(Int(w[2])), code);
        return true;
    }
    if (name == "save" || name == "dump" || name == "profile-folder") {
        fs::path file = fs::path(w[1]).is_absolute() ? fs::path(w[1]) : fs::path(options_.outputDir) / w[1];
        if (name == "profile-folder") {
            std::error_code ec;
            fs::create_directories(file, ec);
            if (ec) {
                *error = file.string() + ": cannot be created (" + ec.message() + ")";
                return false;
            }
            session_.Desktop().desk.profileFolder = fs::absolute(file, ec).string();
            return true;
        }
        if (name == "dump") return io::WriteDump(session_, file.string(), error);
        io::SvgPage page{doc.Width(), doc.Height(), doc.PageOrigin(), doc.View(), doc.ColourModel()};
        return io::ExportSvgFile(io::ReadDocument(doc), page, file.string(), error);
    }
    *error = "unknown command '" + name + "'";
    return false;
}

}  // namespace scribera::cli
