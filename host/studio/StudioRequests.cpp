#include "studio/StudioRequests.h"

#include "desk/Desk.h"

#include <charconv>
#include <cmath>
#include <set>

namespace scribera::studio {

namespace {

using nlohmann::json;

bool Fail(std::string* error, const std::string& what) {
    *error = what;
    return false;
}

bool ReadNumber(const json& body, const char* key, double limit, double* out, std::string* error) {
    auto it = body.find(key);
    if (it == body.end() || !it->is_number()) return Fail(error, std::string("'") + key + "' must be a number");
    const double v = it->get<double>();
    if (!std::isfinite(v) || std::fabs(v) > limit)
        return Fail(error, std::string("'") + key + "' is out of range");
    *out = v;
    return true;
}

bool IsObject(const json& body, std::string* error) {
    if (!body.is_object()) return Fail(error, "the body must be a JSON object");
    return true;
}

// A colour channel 0..1.
bool ReadChannels(const json& value, size_t count, std::vector<double>* out, std::string* error) {
    if (!value.is_array() || value.size() != count)
        return Fail(error, "a colour needs " + std::to_string(count) + " values 0..1");
    for (const json& c : value) {
        if (!c.is_number()) return Fail(error, "a colour value must be a number");
        const double v = c.get<double>();
        if (!(v >= 0 && v <= 1)) return Fail(error, "a colour value must lie in 0..1");
        out->push_back(v);
    }
    return true;
}

bool ReadStops(const json& paint, Words* out, std::string* error) {
    auto stops = paint.find("stops");
    if (stops == paint.end() || !stops->is_array() || stops->size() < 2 || stops->size() > 64)
        return Fail(error, "a gradient needs 2 to 64 stops");
    double last = -1;
    for (const json& s : *stops) {
        if (!s.is_object()) return Fail(error, "a stop must be an object");
        double position = 0;
        if (!ReadNumber(s, "position", 100, &position, error)) return false;
        if (position < 0 || position < last) return Fail(error, "stop positions must rise from 0 to 100");
        last = position;
        std::vector<double> rgb;
        if (!ReadChannels(s.value("rgb", json()), 3, &rgb, error)) return false;
        out->push_back(NumberWord(position) + ":rgb:" + NumberWord(rgb[0]) + ":" + NumberWord(rgb[1]) + ":" +
                       NumberWord(rgb[2]));
    }
    return true;
}

const std::set<std::string> kEffects = {"Mirror...", "Cut...", "Rectangle cut..."};
const std::set<std::string> kEffectReals = {"ZarvoAngle", "ZarvoOffset", "ZarvoOffsetX", "ZarvoOffsetY"};

}  // namespace

std::string NumberWord(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool ReadMouse(const json& body, MouseRequest* out, std::string* error) {
    if (!IsObject(body, error)) return false;
    const std::string kind = body.value("event", std::string());
    if (kind == "down")
        out->kind = MouseRequest::Kind::Down;
    else if (kind == "drag")
        out->kind = MouseRequest::Kind::Drag;
    else if (kind == "up")
        out->kind = MouseRequest::Kind::Up;
    else if (kind == "click")
        out->kind = MouseRequest::Kind::Click;
    else
        return Fail(error, "'event' must be down, drag, up or click");
    if (!ReadNumber(body, "x", kLargestCoordinate, &out->x, error) ||
        !ReadNumber(body, "y", kLargestCoordinate, &out->y, error))
        return false;
    out->keys.clear();
    out->modifiers = 0;
    if (auto keys = body.find("keys"); keys != body.end()) {
        if (!keys->is_array() || keys->size() > 16) return Fail(error, "'keys' must be a list of key names");
        for (const json& k : *keys) {
            if (!k.is_string() || desk::KeyCode(k.get<std::string>()) < 0)
                return Fail(error, "unknown key in 'keys' (Up, Down, Left, Right, Escape, C, M, P, R, T)");
            out->keys.push_back(k.get<std::string>());
        }
    }
    if (auto mods = body.find("modifiers"); mods != body.end()) {
        if (!mods->is_array() || mods->size() > 8) return Fail(error, "'modifiers' must be a list");
        for (const json& m : *mods) {
            const std::string name = m.is_string() ? m.get<std::string>() : "";
            if (name == "shift")
                out->modifiers |= 0x0200;
            else if (name == "alt")
                out->modifiers |= 0x0800;
            else if (name == "0x1000")
                out->modifiers |= 0x1000;
            else if (name == "0x0100")
                out->modifiers |= 0x0100;
            else
                return Fail(error, "unknown modifier (shift, alt, 0x1000, 0x0100)");
        }
    }
    return true;
}

bool ReadSelect(const json& body, Words* out, std::string* error) {
    if (!IsObject(body, error)) return false;
    *out = {"select"};
    if (auto mode = body.find("mode"); mode != body.end()) {
        if (*mode == "all" || *mode == "none") {
            out->push_back(mode->get<std::string>());
            return true;
        }
        return Fail(error, "'mode' must be all or none");
    }
    auto indices = body.find("indices");
    if (indices == body.end() || !indices->is_array()) return Fail(error, "'indices' must be a list");
    if (indices->empty()) {
        out->push_back("none");
        return true;
    }
    if (indices->size() > 100000) return Fail(error, "too many indices");
    for (const json& i : *indices) {
        if (!i.is_number_integer() || i.get<int64_t>() < 0 || i.get<int64_t>() > 10000000)
            return Fail(error, "an index must be a whole number 0 or more");
        out->push_back(std::to_string(i.get<int64_t>()));
    }
    return true;
}

bool ReadPaint(const json& body, Words* out, std::string* error) {
    if (!IsObject(body, error)) return false;
    const std::string target = body.value("target", std::string());
    if (target != "fill" && target != "stroke") return Fail(error, "'target' must be fill or stroke");
    auto paint = body.find("paint");
    if (paint == body.end() || !paint->is_object()) return Fail(error, "'paint' must be an object");
    const std::string kind = paint->value("kind", std::string());
    *out = {target, kind};
    if (kind == "none") return true;
    std::vector<double> values;
    if (kind == "gray") {
        if (!ReadChannels(paint->value("gray", json()), 1, &values, error)) return false;
    } else if (kind == "rgb") {
        if (!ReadChannels(paint->value("rgb", json()), 3, &values, error)) return false;
    } else if (kind == "linear") {
        double angle = 0;
        if (!ReadNumber(*paint, "angle", 360, &angle, error)) return false;
        out->push_back(NumberWord(angle));
        return ReadStops(*paint, out, error);
    } else if (kind == "radial") {
        return ReadStops(*paint, out, error);
    } else {
        return Fail(error, "'kind' must be none, gray, rgb, linear or radial");
    }
    for (double v : values) out->push_back(NumberWord(v));
    return true;
}

bool ReadEffect(const json& body, Words* out, std::string* error) {
    if (!IsObject(body, error)) return false;
    const std::string name = body.value("name", std::string());
    if (!kEffects.count(name)) return Fail(error, "'name' must be Mirror..., Cut... or Rectangle cut...");
    *out = {"effect", name};
    auto values = body.find("values");
    if (values == body.end()) return true;
    if (!values->is_object()) return Fail(error, "'values' must be an object");
    for (auto it = values->begin(); it != values->end(); ++it) {
        const std::string& key = it.key();
        const std::string text = it->is_string() ? it->get<std::string>() : "";
        if (kEffectReals.count(key)) {
            double v = 0;
            const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
            if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v) ||
                std::fabs(v) > kLargestCoordinate)
                return Fail(error, key + ": a number is needed");
            out->push_back(key + "=" + NumberWord(v));
        } else if (key == "ZarvoMirrorType") {
            int v = 0;
            const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
            if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || v < 1 || v > 7)
                return Fail(error, key + ": a mirror type 1..7 is needed");
            out->push_back(key + "=" + std::to_string(v));
        } else if (key == "ZarvoFlipAgain") {
            if (text != "true" && text != "false") return Fail(error, key + ": true or false is needed");
            out->push_back(key + "=" + text);
        } else {
            return Fail(error, "unknown effect value '" + key + "'");
        }
    }
    return true;
}

bool ReadRecord(const json& body, Words* out, std::string* error) {
    if (!IsObject(body, error)) return false;
    auto on = body.find("on");
    if (on == body.end() || !on->is_boolean()) return Fail(error, "'on' must be true or false");
    *out = {"record", on->get<bool>() ? "on" : "off"};
    return true;
}

bool ReadPlay(const json& body, Words* out, std::string* error) {
    if (!IsObject(body, error)) return false;
    auto index = body.find("index");
    if (index == body.end() || !index->is_number_integer() || index->get<int64_t>() < 0 ||
        index->get<int64_t>() > 1000000)
        return Fail(error, "'index' must be a whole number 0 or more");
    *out = {"play", std::to_string(index->get<int64_t>())};
    if (body.value("dialog", false)) out->push_back("dialog");
    return true;
}

bool ReadName(const json& body, std::string* out, std::string* error) {
    if (!IsObject(body, error)) return false;
    auto name = body.find("name");
    if (name == body.end() || !name->is_string() || name->get<std::string>().empty() ||
        name->get<std::string>().size() > 64)
        return Fail(error, "'name' must be a tool's name");
    *out = name->get<std::string>();
    return true;
}

bool ReadPanelAnswer(const json& body, std::string* type, std::string* data, std::string* error) {
    if (!IsObject(body, error)) return false;
    auto t = body.find("type");
    auto d = body.find("data");
    if (t == body.end() || !t->is_string()) return Fail(error, "'type' must be the panel's event type");
    if (d != body.end() && !d->is_string()) return Fail(error, "'data' must be a text");
    *type = t->get<std::string>();
    *data = d == body.end() ? "" : d->get<std::string>();
    return true;
}

}  // namespace scribera::studio
