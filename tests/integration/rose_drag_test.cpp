// The drag bookkeeping every shape tool shares: the drag vector with the Shift constraint, the
// click test, the Alt tracking and the size of the centre mark.
#include "tools/VRose.h"

#include <gtest/gtest.h>

namespace {

struct Drag {
    SBEventRecord event{};
    SBToolMessage message{};
    SBToolMessage* At(double h, double v, uint16_t modifiers = 0) {
        event.modifiers = modifiers;
        message.cursor = {h, v};
        message.event = &event;
        return &message;
    }
};

TEST(RoseDrag, DragVectorIsConstrainedByShiftOnlyWhenAsked) {
    VRose tool;  // anchor at the origin until a mouse down
    Drag d;
    EXPECT_TRUE(tool.UpdateDragVector(d.At(30, -10, SB_MOD_SHIFT), true));
    EXPECT_EQ(tool.DragH(), 30.0f);
    EXPECT_EQ(tool.DragV(), -30.0f);
    EXPECT_TRUE(tool.UpdateDragVector(d.At(10, 0, SB_MOD_SHIFT), true));
    EXPECT_EQ(tool.DragH(), 10.0f);
    EXPECT_EQ(tool.DragV(), 0.0f);
    EXPECT_TRUE(tool.UpdateDragVector(d.At(-5, 20, SB_MOD_SHIFT), true));
    EXPECT_EQ(tool.DragH(), -20.0f);
    EXPECT_EQ(tool.DragV(), 20.0f);
    // Shift without the request, or the request without Shift: as dragged.
    EXPECT_TRUE(tool.UpdateDragVector(d.At(30, -10, SB_MOD_SHIFT), false));
    EXPECT_EQ(tool.DragV(), -10.0f);
    EXPECT_FALSE(tool.UpdateDragVector(d.At(30, -10), true));
    // Changes of 1e-5 or less are not a change; the stored vector stays.
    EXPECT_FALSE(tool.UpdateDragVector(d.At(30.000005, -10.000005), false));
    EXPECT_TRUE(tool.UpdateDragVector(d.At(30.0001, -10), false));
    EXPECT_NEAR(tool.DragH(), 30.0001f, 1e-6);
}

TEST(RoseDrag, ClickIsAMoveOfLessThanOneUnit) {
    VRose tool;
    Drag d;
    EXPECT_TRUE(tool.IsClick());
    tool.UpdateDragVector(d.At(0.6, 0.7), false);
    EXPECT_TRUE(tool.IsClick());
    tool.UpdateDragVector(d.At(0.6, 0.8), false);
    EXPECT_FALSE(tool.IsClick());
}

TEST(RoseDrag, AltIsReportedOnlyWhenItChanges) {
    VRose tool;
    Drag d;
    EXPECT_FALSE(tool.TrackAltKey(d.At(0, 0)));
    EXPECT_TRUE(tool.TrackAltKey(d.At(0, 0, SB_MOD_ALT)));
    EXPECT_TRUE(tool.AltState());
    EXPECT_FALSE(tool.TrackAltKey(d.At(0, 0, SB_MOD_ALT | SB_MOD_SHIFT)));
    EXPECT_TRUE(tool.TrackAltKey(d.At(0, 0, SB_MOD_SHIFT)));
    EXPECT_FALSE(tool.AltState());
    SBToolMessage noEvent{};
    EXPECT_FALSE(tool.TrackAltKey(&noEvent));
}

TEST(RoseDrag, CentreMarkIsAFiveHundredthOfTheLargerViewSide) {
    EXPECT_FLOAT_EQ(VCentreArt::HalfSize(0, 1000, 0, 600), 2.0f);
    EXPECT_FLOAT_EQ(VCentreArt::HalfSize(-50, 50, 0, 1000.9f), 2.0f);  // truncated to 1000
    EXPECT_FLOAT_EQ(VCentreArt::HalfSize(0, 0, 0, 0), 0.0f);
    // A view too large for the integer size, or inside out, gets no mark size instead of UB.
    EXPECT_FLOAT_EQ(VCentreArt::HalfSize(-3e38f, 3e38f, 0, 1), 0.0f);
    EXPECT_FLOAT_EQ(VCentreArt::HalfSize(10, 0, 10, 0), 0.0f);
}

}  // namespace
