#include "support/InProcessHost.h"

// The plug-in's suite tables; test_support does not see the plug-in's include folder.
#include "../../plugin/frame/Suites.h"

#include "desk/Desk.h"

#include <stdexcept>
#include <string>

namespace testhost {
using scribera::ArtKind;
using scribera::FromHandle;
using scribera::Id;
using scribera::ToHandle;

namespace {

void Require(SBErr e, const char* what) {
    if (e != SB_OK) throw std::runtime_error(std::string("stand-in host refused ") + what + ": " + std::to_string(e));
}

}  // namespace

SBPathSegment Corner(double h, double v) { return SBPathSegment{{h, v}, {h, v}, {h, v}, 1}; }

InProcessHost::InProcessHost(double width, double height) : session_(std::make_unique<scribera::Session>()) {
    session_->MakeCurrent();
    // The plug-in's platform layer looks the desktop up among the process's symbols; this keeps
    // the table linked into every executable that runs plug-in code in-process.
    if (!ScriberaDeskTable()) throw std::runtime_error("no stand-in desktop");
    session_->NewDocument(width, height);
    const SBBasicSuite* basic = session_->BasicSuite();
    sBasic = basic;
    auto acquire = [&](SuiteImport* table, int count) {
        for (int i = 0; i < count && table[i].name; ++i) {
            Require(basic->AcquireSuite(table[i].name, table[i].version, table[i].destination), table[i].name);
            acquired_.emplace_back(table[i].name, table[i].version);
        }
    };
    acquire(gBasicSuites, 7);
    acquire(gImportSuites, kImportSuiteCount);
}

InProcessHost::~InProcessHost() {
    const SBBasicSuite* basic = session_->BasicSuite();
    for (auto it = acquired_.rbegin(); it != acquired_.rend(); ++it) basic->ReleaseSuite(it->first, it->second);
    for (int i = 0; i < 7; ++i) *gBasicSuites[i].destination = nullptr;
    for (int i = 0; i < kImportSuiteCount && gImportSuites[i].name; ++i) *gImportSuites[i].destination = nullptr;
    sBasic = nullptr;
}

SBArtHandle InProcessHost::NewChild(ArtKind kind, SBArtHandle parent) {
    Id reference = parent ? FromHandle(parent) : Doc().CurrentLayerGroup();
    Id created = scribera::kNoId;
    Require(Doc().NewArt(kind, SB_PLACE_INSIDE_ON_TOP, reference, &created), "NewArt");
    return ToHandle<SBArtHandle>(created);
}

SBArtHandle InProcessHost::AddPolyline(const std::vector<std::pair<double, double>>& points, bool closed,
                                       SBArtHandle parent) {
    std::vector<SBPathSegment> anchors;
    for (const auto& p : points) anchors.push_back(Corner(p.first, p.second));
    return AddPath(anchors, closed, parent);
}

SBArtHandle InProcessHost::AddPath(const std::vector<SBPathSegment>& anchors, bool closed, SBArtHandle parent) {
    SBArtHandle path = NewChild(ArtKind::Path, parent);
    Id id = FromHandle(path);
    Require(Doc().SetSegmentCount(id, int32_t(anchors.size())), "SetSegmentCount");
    if (!anchors.empty()) Require(Doc().SetSegments(id, 0, anchors.data(), int32_t(anchors.size())), "SetSegments");
    Require(Doc().SetClosed(id, closed), "SetClosed");
    return path;
}

SBArtHandle InProcessHost::AddGroup(SBArtHandle parent, bool clipped) {
    SBArtHandle group = NewChild(ArtKind::Group, parent);
    if (clipped) Require(Doc().SetClipped(FromHandle(group), true), "SetClipped");
    return group;
}

SBArtHandle InProcessHost::AddCompoundPath(SBArtHandle parent) { return NewChild(ArtKind::Compound, parent); }

SBArtHandle InProcessHost::AddOther(ArtKind kind, const SBRealRect& frame, SBArtHandle parent) {
    SBArtHandle art = NewChild(kind, parent);
    Require(Doc().SetText(FromHandle(art), "text", frame), "SetText");
    return art;
}

std::vector<SBPathSegment> InProcessHost::Anchors(SBArtHandle path) const { return ArtOf(path).segments; }

bool InProcessHost::Closed(SBArtHandle path) const { return ArtOf(path).closed; }

const scribera::Art& InProcessHost::ArtOf(SBArtHandle art) const {
    const scribera::Art* a = session_->Doc().Find(FromHandle(art));
    if (!a) throw std::runtime_error("no such art: " + std::to_string(FromHandle(art)));
    return *a;
}

SBArtHandle InProcessHost::LayerGroup() const { return ToHandle<SBArtHandle>(session_->Doc().CurrentLayerGroup()); }

std::vector<SBArtHandle> InProcessHost::Children(SBArtHandle art) const {
    std::vector<SBArtHandle> out;
    for (Id id : session_->Doc().Children(FromHandle(art))) out.push_back(ToHandle<SBArtHandle>(id));
    return out;
}

void InProcessHost::Select(SBArtHandle art, bool selected) {
    Require(Doc().SetUserAttr(FromHandle(art), SB_ATTR_SELECTED, selected ? SB_ATTR_SELECTED : 0), "SetUserAttr");
}

}  // namespace testhost
