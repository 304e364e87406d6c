/* SB Mesh Vertex Suite, version 4: Vertices of meshes. */
#ifndef SCRIBERA_SBMESHVERTEXSUITE_H
#define SCRIBERA_SBMESHVERTEXSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBMeshVertexSuite "SB Mesh Vertex Suite"
#define kSBMeshVertexSuiteVersion 4

typedef struct SBMeshVertexSuite {
    SBErr (*AtEnd)(SBMeshVertexIterator vertex, SBBool* atEnd);
    SBErr (*Next)(SBMeshVertexIterator vertex);
    SBErr (*Release)(SBMeshVertexIterator vertex);
    SBErr (*IsNode)(SBMeshVertexIterator vertex, SBBool* isNode);
    SBErr (*GetPoint)(SBMeshVertexIterator vertex, SBRealPoint* point);
    SBErr (*SetPoint)(SBMeshVertexIterator vertex, const SBRealPoint* point);
    SBErr (*GetColor)(SBMeshVertexIterator vertex, SBColor* color);
    SBErr (*SetColor)(SBMeshVertexIterator vertex, const SBColor* color);
    SBErr (*GetUV)(SBMeshVertexIterator vertex, double* u, double* v);
} SBMeshVertexSuite;

#ifdef __cplusplus
}
#endif
#endif
