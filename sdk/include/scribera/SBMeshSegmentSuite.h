/* SB Mesh Segment Suite, version 3: Segments between mesh vertices. */
#ifndef SCRIBERA_SBMESHSEGMENTSUITE_H
#define SCRIBERA_SBMESHSEGMENTSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBMeshSegmentSuite "SB Mesh Segment Suite"
#define kSBMeshSegmentSuiteVersion 3

typedef struct SBMeshSegmentSuite {
    SBErr (*AtEnd)(SBMeshSegmentIterator segment, SBBool* atEnd);
    SBErr (*Next)(SBMeshSegmentIterator segment);
    SBErr (*Release)(SBMeshSegmentIterator segment);
    SBErr (*GetStartVertex)(SBMeshSegmentIterator segment, SBMeshVertexIterator* vertex);
    SBErr (*GetEndVertex)(SBMeshSegmentIterator segment, SBMeshVertexIterator* vertex);
    /* 4 for one Bezier, 3k + 4 for k + 1 Beziers. */
    SBErr (*GetPointCount)(SBMeshSegmentIterator segment, int32_t* count);
    SBErr (*GetPoint)(SBMeshSegmentIterator segment, int32_t index, SBRealPoint* point);
    SBErr (*SetPoint)(SBMeshSegmentIterator segment, int32_t index, const SBRealPoint* point);
    /* Inserts `count` Beziers after Bezier `index`, growing the point count by 3 * count. */
    SBErr (*InsertBeziers)(SBMeshSegmentIterator segment, int32_t index, int32_t count);
} SBMeshSegmentSuite;

#ifdef __cplusplus
}
#endif
#endif
