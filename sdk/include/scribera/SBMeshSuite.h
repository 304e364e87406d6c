/* SB Mesh Suite, version 6: Gradient meshes. */
#ifndef SCRIBERA_SBMESHSUITE_H
#define SCRIBERA_SBMESHSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBMeshSuite "SB Mesh Suite"
#define kSBMeshSuiteVersion 6

typedef struct SBMeshSuite {
    /* Makes the mesh a grid of i columns and j rows of patches. */
    SBErr (*InitCartesian)(SBArtHandle mesh, int32_t i, int32_t j);
    SBErr (*GetSize)(SBArtHandle mesh, int32_t* i, int32_t* j);
    /* Iterators walk nodes row by row, then the vertices between them; release each. */
    SBErr (*GetFirstVertex)(SBArtHandle mesh, SBMeshVertexIterator* vertex);
    SBErr (*GetFirstSegment)(SBArtHandle mesh, SBMeshSegmentIterator* segment);
} SBMeshSuite;

#ifdef __cplusplus
}
#endif
#endif
