// Plug-in code running in the test process against the stand-in host's suites: a session made
// current, with the plug-in's suite pointers filled from its two import tables, and a few builders
// for the artwork tests start from.
#pragma once

#include "core/Document.h"
#include "core/Session.h"

#include <scribera/SBTypes.h>

#include <memory>
#include <utility>
#include <vector>

namespace testhost {

class InProcessHost {
public:
    explicit InProcessHost(double width = 800, double height = 600);
    ~InProcessHost();
    InProcessHost(const InProcessHost&) = delete;
    InProcessHost& operator=(const InProcessHost&) = delete;

    scribera::Session& Session() { return *session_; }
    scribera::Document& Doc() { return session_->Doc(); }

    // A path of corner anchors without handles, on top of `parent` (the current layer when none).
    SBArtHandle AddPolyline(const std::vector<std::pair<double, double>>& points, bool closed,
                            SBArtHandle parent = nullptr);
    // A path from anchors as given.
    SBArtHandle AddPath(const std::vector<SBPathSegment>& anchors, bool closed, SBArtHandle parent = nullptr);
    SBArtHandle AddGroup(SBArtHandle parent = nullptr, bool clipped = false);
    SBArtHandle AddCompoundPath(SBArtHandle parent = nullptr);
    // Other art (text and the like) with a frame.
    SBArtHandle AddOther(scribera::ArtKind kind, const SBRealRect& frame, SBArtHandle parent = nullptr);

    std::vector<SBPathSegment> Anchors(SBArtHandle path) const;
    bool Closed(SBArtHandle path) const;
    const scribera::Art& ArtOf(SBArtHandle art) const;
    SBArtHandle LayerGroup() const;
    // Children of an object, top first.
    std::vector<SBArtHandle> Children(SBArtHandle art) const;
    void Select(SBArtHandle art, bool selected = true);

private:
    SBArtHandle NewChild(scribera::ArtKind kind, SBArtHandle parent);

    std::unique_ptr<scribera::Session> session_;
    std::vector<std::pair<const char*, int32_t>> acquired_;
};

// Corner anchor without handles.
SBPathSegment Corner(double h, double v);

}  // namespace testhost
