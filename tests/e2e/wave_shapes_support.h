// What the wave, rhombus, spiral, golden rectangle and grid tests share: a running plug-in with one
// tool picked, drags, the last drawn art, and recorded-action values built and looked up by key.
#pragma once

#include "rose_session.h"

#include <algorithm>
#include <string>
#include <vector>

namespace shapetest {

using namespace rosetest;
using scribera::ActionValue;

inline void ExpectPoint(SBRealPoint p, double h, double v, double tolerance = 1e-3) {
    EXPECT_NEAR(p.h, h, tolerance);
    EXPECT_NEAR(p.v, v, tolerance);
}

inline const ActionValue* FindValue(const scribera::RecordedAction& action, const char (&key)[5]) {
    const uint32_t code = SB_FOURCC(key[0], key[1], key[2], key[3]);
    for (const ActionValue& v : action.values)
        if (v.key == code) return &v;
    ADD_FAILURE() << "no value " << key;
    static const ActionValue none;
    return &none;
}

inline ActionValue Real(const char (&key)[5], double number) {
    ActionValue v;
    v.key = SB_FOURCC(key[0], key[1], key[2], key[3]);
    v.type = ActionValue::Type::UnitReal;
    v.real = number;
    v.unit = SB_UNIT_POINTS;
    return v;
}

inline ActionValue Integer(const char (&key)[5], int32_t number) {
    ActionValue v;
    v.key = SB_FOURCC(key[0], key[1], key[2], key[3]);
    v.integer = number;
    return v;
}

inline ActionValue Boolean(const char (&key)[5], bool flag) {
    ActionValue v;
    v.key = SB_FOURCC(key[0], key[1], key[2], key[3]);
    v.type = ActionValue::Type::Boolean;
    v.boolean = flag;
    return v;
}

// Every anchor's extent over the paths: min h, max h, min v, max v.
inline std::vector<double> Extent(const std::vector<const Art*>& paths) {
    std::vector<double> b = {1e300, -1e300, 1e300, -1e300};
    for (const Art* path : paths)
        for (const SBPathSegment& s : path->segments) {
            b[0] = std::min(b[0], s.p.h);
            b[1] = std::max(b[1], s.p.h);
            b[2] = std::min(b[2], s.p.v);
            b[3] = std::max(b[3], s.p.v);
        }
    return b;
}

inline void ExpectExtent(const std::vector<const Art*>& paths, double minH, double maxH, double minV, double maxV) {
    const auto b = Extent(paths);
    EXPECT_NEAR(b[0], minH, 1e-3);
    EXPECT_NEAR(b[1], maxH, 1e-3);
    EXPECT_NEAR(b[2], minV, 1e-3);
    EXPECT_NEAR(b[3], maxV, 1e-3);
}

struct ShapeSession : RoseSession {
    Id tool;
    explicit ShapeSession(const std::string& name) {
        EXPECT_EQ(Pick(name), 0);
        tool = ToolId(name);
    }
    // Down, `steps` drag steps to the same point, up.
    void Drag(SBRealPoint from, SBRealPoint to, int steps = 1) {
        ASSERT_EQ(host.MouseDown(tool, from), 0);
        for (int i = 0; i < steps; ++i) ASSERT_EQ(host.MouseDrag(tool, to), 0);
        ASSERT_EQ(host.MouseUp(tool, to), 0);
    }
    // The topmost art.
    const Art& Last() { return *TopArt().at(0); }
    SBActionParamValueRef Value(const std::vector<ActionValue>& values) {
        return scribera::ToHandle<SBActionParamValueRef>(session.NewActionValue(values));
    }
};

}  // namespace shapetest
