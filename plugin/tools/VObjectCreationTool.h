// The shape tools' drag-to-create cycle: mouse down records the anchor and the current paint;
// each drag step lets the tool update its parameters, reverts the previous preview, draws the
// shape again and marks the anchor with a cross; mouse up removes the cross and keeps the shape.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/PathList.h"
#include "tools/DragVector.h"
#include "tools/VTool.h"

#include <scribera/SBTypes.h>

#include <cstdint>
#include <string>

// The cross at a drag's anchor, two strokes sized to the view.
class VCentreArt {
public:
    virtual ~VCentreArt() = default;

    // Two new open paths crossing at p, half size 0.2% of the larger view dimension.
    void Draw(const RealPoint& p);
    // Disposes of the strokes that exist.
    void Dispose();
    // Forgets the strokes without touching the document (a revert removed them).
    void Forget();
    bool Exists() const { return strokes_[0] || strokes_[1]; }
    // The half size for a view extent, as Draw uses it.
    static float HalfSize(float minH, float maxH, float minV, float maxV);

private:
    float minH_ = 0, maxH_ = 0, minV_ = 0, maxV_ = 0;
    ArtHandle strokes_[2] = {nullptr, nullptr};
};

class VObjectCreationTool : public VBasicTool {
public:
    static constexpr uint16_t kShift = SB_MOD_SHIFT;
    static constexpr uint16_t kAlt = SB_MOD_ALT;

    SBErr MouseDown(SBToolMessage* message) override;
    SBErr MouseUp(SBToolMessage* message) override;
    SBErr MouseDrag(SBToolMessage* message) override;
    void AbandonDrag() override;

    // Updates the parameters from a drag step and the keys; `keyStep` is set when a key changed a
    // count. True when anything changed.
    virtual bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) = 0;
    // Builds the shape from the parameters as new art.
    virtual void Draw() = 0;

    // True when the Alt bit of the message differs from the last one seen (and remembers it).
    bool TrackAltKey(const SBToolMessage* message);
    // Cursor minus anchor in single precision, with Shift making it diagonal when `constrain`.
    // True when it moved by more than 1e-5 in either direction since the last accepted one.
    bool UpdateDragVector(const SBToolMessage* message, bool constrain) { return drag_.Update(message, constrain); }
    // The pointer moved less than one unit.
    bool IsClick() const { return drag_.IsClick(); }
    // Places the captured gradient so that it spans the shape (a no-op without a gradient fill).
    void FitGradient(float centreH, float centreV, float extentA, float extentB);
    static void SetUndoRedoText(const std::string& undoText, const std::string& redoText);
    // Shows values in the info panel: `variables` ends with -1, one value per variable.
    static void SetInfoValues(const int32_t* variables, const double* values);

    const RealPoint& Anchor() const { return drag_.Anchor(); }
    float DragH() const { return drag_.H(); }
    float DragV() const { return drag_.V(); }
    bool AltState() const { return altState_; }
    bool HasGradientFill() const { return gradientFill_; }
    const SBPathStyle& CapturedStyle() const { return capturedStyle_; }

protected:
    // The end of every draw: a new selected path receives the list and, with a gradient fill, the
    // captured style. Returns the path. A list that draws nothing makes no path and returns null.
    ArtHandle WriteShape(ZPathList& list);
    // Whether the last draw made art; a tool that does not draw through WriteShape says so itself.
    bool Drew() const { return drew_; }
    void SetDrew(bool drew) { drew_ = drew; }
    // Whether the list, once written, would make a path of at least two anchors.
    static bool Draws(const ZPathList& list);
    // The plain mouse up: drain the keyboard, remove the cross.
    void FinishDrag();

private:
    DragVector drag_;
    bool altState_ = false;
    VCentreArt centreMark_;
    SBPathStyle capturedStyle_{};
    bool gradientFill_ = false;
    int16_t gradientKind_ = 0;
    bool drew_ = false;
};
