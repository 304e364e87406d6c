// The fitter's output, bit for bit, over many inputs, against a digest of each case recorded in
// tests/data/curve_fitter_outputs.txt. Any change to the fitter's arithmetic (an operation
// reordered, a step taken in double instead of single precision) moves some digest.
// To record the file anew after a deliberate change: ZARVO_RECORD_FITTER=1 unit_tests
// --gtest_filter='CurveFitterOutput.*'.
#include "tools/CurveFitter.h"

#include "geometry/BezierGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kOutputsFile = ZARVO_CORPUS_DIR "/curve_fitter_outputs.txt";

// A generator of our own: the standard distributions differ between libraries.
class Lcg {
public:
    explicit Lcg(uint64_t seed) : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    double Unit() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) * (1.0 / 9007199254740992.0);
    }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

private:
    uint64_t state_;
};

struct Digest {
    uint64_t hash = 1469598103934665603ULL;
    void Add(const void* bytes, size_t size) {
        const unsigned char* p = static_cast<const unsigned char*>(bytes);
        for (size_t i = 0; i < size; ++i) hash = (hash ^ p[i]) * 1099511628211ULL;
    }
};

enum class Mode { Tangents, Split, SplitAtMiddle };

struct Case {
    std::string name;
    std::vector<RealPoint> points;
    Vec2f start, end;
    float tolerance = 1e-5f;
};

std::string Run(const Case& c, Mode mode) {
    CurveFitter fitter(int32_t(c.points.size()), c.points.data(), c.tolerance);
    if (mode == Mode::Tangents) {
        fitter.FitWithTangents(c.start, c.end);
    } else {
        fitter.SetSplitAtMiddle(mode == Mode::SplitAtMiddle);
        fitter.Fit();
    }
    Digest d;
    int32_t count = fitter.SegmentCount();
    d.Add(&count, sizeof count);
    for (int32_t i = 0; i < count; ++i) {
        const BezierSegment& s = fitter.Segment(i);
        const double values[8] = {s.p0.h, s.p0.v, s.c0.h, s.c0.v, s.c1.h, s.c1.v, s.p3.h, s.p3.v};
        d.Add(values, sizeof values);
    }
    char line[64];
    std::snprintf(line, sizeof line, "%d %016llx", count, static_cast<unsigned long long>(d.hash));
    return line;
}

// The spiral tool's quarter turns of r = a·θ, with their exact end tangents.
void AddSpirals(std::vector<Case>& cases) {
    const float radii[] = {1.0f, 37.5f, 100.0f, 2500.0f};
    const int turns[] = {1, 4, 9};
    for (float radius : radii) {
        for (int t : turns) {
            const float a = radius / (2.0f * float(t) * kPiF);
            const float end = 2.0f * float(t) * kPiF;
            int index = 0;
            for (float theta = 0.0f; end > theta; theta += kHalfPiF, ++index) {
                float next = std::min(theta + kHalfPiF, end);
                Case c;
                c.name = "spiral r" + std::to_string(int(radius * 10)) + " t" + std::to_string(t) + " q" +
                         std::to_string(index);
                int n = theta < 6.2831855f ? 12 : 6;
                for (int k = 0; k < n; ++k) {
                    float th = theta + (float(k) / float(n - 1)) * (next - theta);
                    c.points.push_back({double(a * th * std::cos(th)), double(a * th * std::sin(th))});
                }
                c.start = Vec2f{a * std::cos(theta) - a * theta * std::sin(theta),
                                a * std::sin(theta) + a * theta * std::cos(theta)};
                c.end = Vec2f{-(a * std::cos(next) - a * next * std::sin(next)),
                              -(a * std::sin(next) + a * next * std::cos(next))};
                cases.push_back(c);
            }
        }
    }
}

// Random walks, wobbly arcs and scattered clouds of 3 to 200 points, some with repeated samples,
// fitted to several tolerances.
void AddRandomSets(std::vector<Case>& cases) {
    Lcg rng(20261209);
    const float tolerances[] = {1e-5f, 1e-3f, 0.25f};
    for (int i = 0; i < 90; ++i) {
        Case c;
        int n = 3 + int(rng.Unit() * 198);
        int kind = i % 3;
        double h = rng.Range(-500, 500), v = rng.Range(-500, 500);
        double scale = std::pow(10.0, rng.Range(-2, 3));
        for (int k = 0; k < n; ++k) {
            if (kind == 0) {  // random walk
                h += rng.Range(-1, 1) * scale;
                v += rng.Range(-1, 1) * scale;
                c.points.push_back({h, v});
            } else if (kind == 1) {  // an arc with noise
                double angle = 3.0 * double(k) / double(n);
                c.points.push_back({h + scale * std::cos(angle) + rng.Range(-0.01, 0.01) * scale,
                                    v + scale * std::sin(angle) + rng.Range(-0.01, 0.01) * scale});
            } else {  // a cloud
                c.points.push_back({h + rng.Range(-1, 1) * scale, v + rng.Range(-1, 1) * scale});
            }
            if (rng.Unit() < 0.05) c.points.push_back(c.points.back());
        }
        c.start = Vec2f{float(rng.Range(-1, 1)), float(rng.Range(-1, 1))};
        c.end = Vec2f{float(rng.Range(-1, 1)), float(rng.Range(-1, 1))};
        c.tolerance = tolerances[i % 3 == 2 ? 0 : (i / 3) % 3];
        c.name = "random " + std::to_string(i) + " n" + std::to_string(n);
        cases.push_back(c);
    }
}

std::map<std::string, std::string> ActualOutputs() {
    std::vector<Case> cases;
    AddSpirals(cases);
    AddRandomSets(cases);
    std::map<std::string, std::string> out;
    const std::pair<Mode, const char*> modes[] = {
        {Mode::Tangents, "tangents"}, {Mode::Split, "split"}, {Mode::SplitAtMiddle, "middle"}};
    for (const Case& c : cases)
        for (const auto& m : modes) out[c.name + " " + m.second] = Run(c, m.first);
    return out;
}

std::map<std::string, std::string> RecordedOutputs() {
    std::map<std::string, std::string> recorded;
    std::ifstream in(kOutputsFile);
    std::string line;
    while (std::getline(in, line)) {
        // "<case name> <mode>: <segments> <digest>"
        size_t colon = line.find(": ");
        if (colon != std::string::npos) recorded[line.substr(0, colon)] = line.substr(colon + 2);
    }
    return recorded;
}

}  // namespace

TEST(CurveFitterOutput, EveryCaseMatchesTheRecordedDigest) {
    std::map<std::string, std::string> actual = ActualOutputs();
    if (std::getenv("ZARVO_RECORD_FITTER")) {
        std::ofstream out(kOutputsFile);
        for (const auto& [name, result] : actual) out << name << ": " << result << "\n";
        GTEST_SKIP() << "recorded " << actual.size() << " cases to " << kOutputsFile;
    }
    std::map<std::string, std::string> recorded = RecordedOutputs();
    ASSERT_EQ(recorded.size(), actual.size()) << "read from " << kOutputsFile;
    int differing = 0;
    for (const auto& [name, result] : actual) {
        auto it = recorded.find(name);
        ASSERT_NE(it, recorded.end()) << name;
        if (it->second != result && ++differing <= 10)
            ADD_FAILURE() << name << ": recorded " << it->second << ", now " << result;
    }
    EXPECT_EQ(differing, 0);
}

TEST(CurveFitterOutput, TheCasesSplitAndFallBackOften) {
    // The digests are worth something only if the cases reach the splitting, the Newton passes and
    // the one-third fallback; count segments to see that they split.
    std::map<std::string, std::string> actual = ActualOutputs();
    int split = 0, single = 0;
    for (const auto& entry : actual) (std::atoi(entry.second.c_str()) > 1 ? split : single)++;
    EXPECT_GT(split, 100);
    EXPECT_GT(single, 100);
}
