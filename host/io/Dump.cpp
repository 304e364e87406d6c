#include "io/Dump.h"

#include "io/Json.h"
#include "io/TextFile.h"
#include "system/HostSystem.h"

#include <fstream>
#include <sstream>

namespace scribera::io {

namespace {

void Point(JsonWriter& w, SBRealPoint p) { w.BeginArray().Number(p.h).Number(p.v).EndArray(); }

class Dumper {
public:
    explicit Dumper(Session& s) : s_(s), doc_(s.Doc()) {}

    std::string Run() {
        w_.BeginObject();
        w_.Key("document").BeginObject();
        w_.Key("width").Number(doc_.Width()).Key("height").Number(doc_.Height());
        SBRealRect v = doc_.View();
        w_.Key("view").BeginArray().Number(v.left).Number(v.bottom).Number(v.right).Number(v.top).EndArray();
        w_.Key("pageOrigin");
        Point(w_, doc_.PageOrigin());
        w_.EndObject();

        w_.NewLine().Key("art").BeginArray();
        for (Id child : doc_.Children(doc_.CurrentLayerGroup()))
            if (const Art* a = doc_.Find(child)) ArtValue(*a);
        w_.EndArray();

        w_.NewLine().Key("undo").BeginArray();
        for (const std::string& n : doc_.UndoNames()) w_.String(n);
        w_.EndArray();
        w_.NewLine().Key("alerts").BeginArray();
        for (const std::string& a : s_.Shown().alerts) w_.String(a);
        w_.EndArray();
        w_.NewLine().Key("questions").BeginArray();
        for (const QuestionRecord& q : s_.Shown().questions)
            w_.BeginObject().Key("text").String(q.text).Key("answer").Bool(q.answer).EndObject();
        w_.EndArray();

        w_.NewLine().Key("actions").BeginArray();
        for (const RecordedAction& a : s_.Actions().recorded) {
            w_.BeginObject().Key("event").String(a.event).Key("dialog").Integer(a.dialog);
            w_.Key("params").BeginArray();
            for (const ActionValue& v : a.values) {
                w_.BeginObject().Key("key").String(FourCharText(v.key));
                switch (v.type) {
                    case ActionValue::Type::Integer:
                        w_.Key("type").String("integer").Key("value").Integer(v.integer);
                        break;
                    case ActionValue::Type::Boolean:
                        w_.Key("type").String("boolean").Key("value").Bool(v.boolean);
                        break;
                    case ActionValue::Type::UnitReal:
                        w_.Key("type").String("unitreal").Key("value").Number(v.real);
                        w_.Key("unit").String(FourCharText(v.unit));
                        break;
                }
                w_.EndObject();
            }
            w_.EndArray().EndObject();
        }
        w_.EndArray();

        w_.NewLine().Key("info").BeginObject().Key("variables").BeginArray();
        for (int32_t v : s_.Shown().infoVariables) w_.Integer(v);
        w_.EndArray().Key("values").BeginArray();
        for (double v : s_.Shown().infoValues) w_.Number(v);
        w_.EndArray().EndObject();

        w_.NewLine().Key("panels").BeginArray();
        for (const PanelRecord& p : s_.Shown().panels)
            w_.BeginObject().Key("extension").String(p.extension).Key("sent").String(p.sent).EndObject();
        w_.EndArray();

        std::string prefs;
        w_.NewLine().Key("preferences");
        if (ReadPreferences(s_, &prefs))
            w_.String(prefs);
        else
            w_.Null();

        w_.NewLine().Key("results").BeginArray();
        for (const MessageResult& r : s_.Shown().results)
            w_.BeginObject()
                .Key("caller")
                .String(r.caller)
                .Key("selector")
                .String(r.selector)
                .Key("result")
                .Integer(r.result)
                .EndObject();
        w_.EndArray();
        w_.EndObject();
        return w_.Text() + "\n";
    }

private:
    void Colour(const SBColor& c) {
        switch (c.kind) {
            case SB_COLOR_GRAY:
                w_.BeginObject().Key("gray").Number(c.c.gray.gray).EndObject();
                return;
            case SB_COLOR_THREE:
                w_.BeginObject().Key("rgb").BeginArray().Number(c.c.three.red).Number(c.c.three.green);
                w_.Number(c.c.three.blue).EndArray().EndObject();
                return;
            case SB_COLOR_FOUR:
                w_.BeginObject().Key("cmyk").BeginArray().Number(c.c.four.cyan).Number(c.c.four.magenta);
                w_.Number(c.c.four.yellow).Number(c.c.four.black).EndArray().EndObject();
                return;
            case SB_COLOR_CUSTOM: {
                const CustomColourData* d = doc_.FindCustomColour(FromHandle(c.c.custom.color));
                w_.BeginObject().Key("custom").String(d ? d->name : "").Key("tint").Number(c.c.custom.tint).EndObject();
                return;
            }
            case SB_COLOR_PATTERN: {
                const PatternData* p = doc_.FindPattern(FromHandle(c.c.pattern.pattern));
                w_.BeginObject().Key("pattern").String(p ? p->name : "").Key("matrix");
                Matrix(c.c.pattern.matrix);
                w_.EndObject();
                return;
            }
            case SB_COLOR_GRADIENT: {
                const SBGradientStyle& g = c.c.gradient;
                const GradientData* d = doc_.FindGradient(FromHandle(g.gradient));
                w_.BeginObject().Key("gradient").String(d && d->kind == SB_GRADIENT_RADIAL ? "radial" : "linear");
                w_.Key("origin");
                Point(w_, g.origin);
                w_.Key("angle").Number(g.angle).Key("length").Number(g.length).Key("matrix");
                Matrix(g.matrix);
                w_.Key("stops").BeginArray();
                if (d)
                    for (const SBGradientStop& s : d->stops) {
                        w_.BeginObject().Key("position").Number(s.rampPoint).Key("midpoint").Number(s.midPoint);
                        w_.Key("colour");
                        Colour(s.color);
                        w_.EndObject();
                    }
                w_.EndArray().EndObject();
                return;
            }
            default:
                w_.Null();
                return;
        }
    }

    void Matrix(const SBRealMatrix& m) {
        w_.BeginArray().Number(m.a).Number(m.b).Number(m.c).Number(m.d).Number(m.tx).Number(m.ty).EndArray();
    }

    void Paint(bool painted, const SBColor& c) {
        if (!painted)
            w_.Null();
        else
            Colour(c);
    }

    void ArtValue(const Art& a) {
        w_.BeginObject();
        bool selected = (a.userAttr & SB_ATTR_SELECTED) != 0;
        switch (a.kind) {
            case ArtKind::Path:
                w_.Key("kind").String("path").Key("selected").Bool(selected).Key("closed").Bool(a.closed);
                w_.Key("anchors").BeginArray();
                for (const SBPathSegment& s : a.segments) {
                    w_.BeginObject().Key("p");
                    Point(w_, s.p);
                    w_.Key("in");
                    Point(w_, s.in);
                    w_.Key("out");
                    Point(w_, s.out);
                    w_.Key("corner").Bool(s.corner != 0).EndObject();
                }
                w_.EndArray();
                w_.Key("style").BeginObject().Key("fill");
                Paint(a.style.fillPaint != 0, a.style.fill.color);
                w_.Key("stroke");
                Paint(a.style.strokePaint != 0, a.style.stroke.color);
                w_.Key("clip").Bool(a.style.clip != 0).Key("evenodd").Bool(a.style.evenOdd != 0);
                w_.Key("strokeWidth").Number(a.style.stroke.width).EndObject();
                break;
            case ArtKind::Group:
            case ArtKind::Layer:
                w_.Key("kind").String("group").Key("selected").Bool(selected).Key("clipped").Bool(a.clipped);
                Children(a);
                break;
            case ArtKind::Compound:
                w_.Key("kind").String("compound").Key("selected").Bool(selected);
                Children(a);
                break;
            case ArtKind::Mesh:
                w_.Key("kind").String("mesh").Key("selected").Bool(selected);
                w_.Key("columns").Integer(a.mesh.columns).Key("rows").Integer(a.mesh.rows);
                w_.Key("nodes").BeginArray();
                for (size_t i = 0; i < a.mesh.nodes.size(); ++i) {
                    w_.BeginObject().Key("p");
                    Point(w_, a.mesh.nodes[i]);
                    w_.Key("colour");
                    if (i < a.mesh.colours.size())
                        Colour(a.mesh.colours[i]);
                    else
                        w_.Null();
                    w_.EndObject();
                }
                w_.EndArray();
                MeshCurves("rowCurves", a.mesh.rowCurves);
                MeshCurves("columnCurves", a.mesh.columnCurves);
                break;
            default: {
                const char* names[] = {"", "group", "path", "compound", "text", "placed", "raster", "symbol", "plugin"};
                int k = static_cast<int>(a.kind);
                w_.Key("kind").String(k >= 4 && k <= 8 ? names[k] : "other").Key("selected").Bool(selected);
                w_.Key("text").String(a.text).Key("frame").BeginArray();
                w_.Number(a.frame.left).Number(a.frame.bottom).Number(a.frame.right).Number(a.frame.top).EndArray();
                break;
            }
        }
        w_.EndObject();
    }

    // Each curve a flat list of its 3k + 1 points.
    void MeshCurves(const char* key, const std::vector<std::vector<SBRealPoint>>& curves) {
        w_.Key(key).BeginArray();
        for (const auto& curve : curves) {
            w_.BeginArray();
            for (const SBRealPoint& p : curve) Point(w_, p);
            w_.EndArray();
        }
        w_.EndArray();
    }

    void Children(const Art& a) {
        w_.Key("children").BeginArray();
        for (Id child : doc_.Children(a.id))
            if (const Art* c = doc_.Find(child)) ArtValue(*c);
        w_.EndArray();
    }

    Session& s_;
    Document& doc_;
    JsonWriter w_;
};

}  // namespace

std::string FourCharText(uint32_t code) {
    std::string out;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = static_cast<char>((code >> shift) & 0xFF);
        out += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return out;
}

bool ReadPreferences(const Session& session, std::string* content) {
    // A plug-in on a real desktop keeps its preferences in the user's profile, not the desk's.
    std::string folder = system::SystemProfileFolder();
    if (folder.empty()) folder = session.Desktop().desk.profileFolder;
    if (folder.empty()) return false;
    // The plug-in joins folder and file with the separator its platform uses.
    for (const char* sep : {"/", "\\"}) {
        std::ifstream in(folder + sep + "ZToolPref.xml", std::ios::binary);
        if (!in) continue;
        std::ostringstream text;
        text << in.rdbuf();
        *content = text.str();
        return true;
    }
    return false;
}

std::string DumpJson(Session& session) { return Dumper(session).Run(); }

bool WriteDump(Session& session, const std::string& path, std::string* error) {
    return WriteTextFile(path, DumpJson(session), error);
}

}  // namespace scribera::io
