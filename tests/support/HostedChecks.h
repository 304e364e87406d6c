// Checks the hosted tests share: points and extents of drawn art, symmetry, and the typed values
// of recorded actions, looked up or built by their four-character key.
#pragma once

#include "core/Document.h"
#include "core/Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace hosted {

inline void ExpectPoint(SBRealPoint p, double h, double v, double tolerance = 1e-3) {
    EXPECT_NEAR(p.h, h, tolerance);
    EXPECT_NEAR(p.v, v, tolerance);
}

// Every anchor's extent over the paths: min h, max h, min v, max v.
inline std::vector<double> Extent(const std::vector<const scribera::Art*>& paths) {
    std::vector<double> b = {1e300, -1e300, 1e300, -1e300};
    for (const scribera::Art* path : paths)
        for (const SBPathSegment& s : path->segments) {
            b[0] = std::min(b[0], s.p.h);
            b[1] = std::max(b[1], s.p.h);
            b[2] = std::min(b[2], s.p.v);
            b[3] = std::max(b[3], s.p.v);
        }
    return b;
}

inline void ExpectExtent(const std::vector<const scribera::Art*>& paths, double minH, double maxH, double minV,
                         double maxV, double tolerance = 1e-3) {
    const auto b = Extent(paths);
    EXPECT_NEAR(b[0], minH, tolerance);
    EXPECT_NEAR(b[1], maxH, tolerance);
    EXPECT_NEAR(b[2], minV, tolerance);
    EXPECT_NEAR(b[3], maxV, tolerance);
}

// Every anchor has its reflection across the vertical line h = axis among the anchors.
inline bool SymmetricAbout(const std::vector<const scribera::Art*>& paths, double axis) {
    std::vector<SBRealPoint> all;
    for (const scribera::Art* path : paths)
        for (const SBPathSegment& s : path->segments) all.push_back(s.p);
    if (all.empty()) return false;
    for (const SBRealPoint& p : all) {
        bool found = false;
        for (const SBRealPoint& q : all)
            found = found || (std::fabs(q.h - (2 * axis - p.h)) < 1e-3 && std::fabs(q.v - p.v) < 1e-3);
        if (!found) return false;
    }
    return true;
}

inline uint32_t KeyCode(const char (&key)[5]) { return SB_FOURCC(key[0], key[1], key[2], key[3]); }

// The value recorded under `key`; a failure and an empty value when there is none.
inline const scribera::ActionValue* FindValue(const scribera::RecordedAction& action, const char (&key)[5]) {
    for (const scribera::ActionValue& v : action.values)
        if (v.key == KeyCode(key)) return &v;
    ADD_FAILURE() << "no value " << key;
    static const scribera::ActionValue none;
    return &none;
}

inline scribera::ActionValue Real(const char (&key)[5], double number) {
    scribera::ActionValue v;
    v.key = KeyCode(key);
    v.type = scribera::ActionValue::Type::UnitReal;
    v.real = number;
    v.unit = SB_UNIT_POINTS;
    return v;
}

inline scribera::ActionValue Integer(const char (&key)[5], int32_t number) {
    scribera::ActionValue v;
    v.key = KeyCode(key);
    v.integer = number;
    return v;
}

inline scribera::ActionValue Boolean(const char (&key)[5], bool flag) {
    scribera::ActionValue v;
    v.key = KeyCode(key);
    v.type = scribera::ActionValue::Type::Boolean;
    v.boolean = flag;
    return v;
}

}  // namespace hosted
