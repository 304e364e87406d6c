// A host path longer than the interface's 16-bit anchor count cannot be read whole: reading it
// fails instead of giving its first 32 767 anchors, which a cut would then write back as the path.
#include "geometry/Errors.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "support/InProcessHost.h"

#include <gtest/gtest.h>

#include <vector>

using testhost::InProcessHost;

namespace {

std::vector<SBPathSegment> ZigZag(size_t anchors) {
    std::vector<SBPathSegment> out;
    for (size_t k = 0; k < anchors; ++k) {
        const SBRealPoint p{double(k), double(k % 2)};
        out.push_back(SBPathSegment{p, p, p, 1});
    }
    return out;
}

}  // namespace

TEST(PathCountBound, APathBeyondTheAnchorCountIsNotReadInPart) {
    InProcessHost host;
    SBArtHandle fits = host.AddPath(ZigZag(32767), false);
    EXPECT_EQ(ReadPathList(fits).Count(), 32766);

    SBArtHandle tooLong = host.AddPath(ZigZag(40000), false);
    EXPECT_THROW(ReadPathList(tooLong), HostError);
    EXPECT_EQ(host.Anchors(tooLong).size(), 40000u);
}
