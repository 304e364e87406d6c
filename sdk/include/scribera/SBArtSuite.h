/* SB Art Suite, version 17: The art tree of the current document. */
#ifndef SCRIBERA_SBARTSUITE_H
#define SCRIBERA_SBARTSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBArtSuite "SB Art Suite"
#define kSBArtSuiteVersion 17

typedef struct SBArtSuite {
    /* New art of `kind` placed relative to `reference` (SB_PLACE_...). */
    SBErr (*NewArt)(int16_t kind, int16_t placement, SBArtHandle reference, SBArtHandle* art);
    /* Disposes of the art and everything inside it. */
    SBErr (*DisposeArt)(SBArtHandle art);
    /* Moves the art to its new place relative to `reference`. */
    SBErr (*ReorderArt)(SBArtHandle art, int16_t placement, SBArtHandle reference);
    /* A deep copy placed relative to `reference`. */
    SBErr (*DuplicateArt)(SBArtHandle art, int16_t placement, SBArtHandle reference, SBArtHandle* copy);
    /* The group holding a layer's art; a null layer means the current layer. */
    SBErr (*GetFirstArtOfLayer)(SBLayerHandle layer, SBArtHandle* art);
    SBErr (*GetArtParent)(SBArtHandle art, SBArtHandle* parent);        /* null at the top */
    SBErr (*GetArtFirstChild)(SBArtHandle art, SBArtHandle* child);     /* null when none */
    SBErr (*GetArtSibling)(SBArtHandle art, SBArtHandle* sibling);      /* the next one below; null when none */
    SBErr (*GetArtPriorSibling)(SBArtHandle art, SBArtHandle* sibling); /* the one above; null when none */
    SBErr (*GetArtType)(SBArtHandle art, int16_t* kind);
    SBErr (*GetArtUserAttr)(SBArtHandle art, int32_t whichAttr, int32_t* attr);
    /* Sets the bits of `whichAttr` to those of `attr`. */
    SBErr (*SetArtUserAttr)(SBArtHandle art, int32_t whichAttr, int32_t attr);
    SBErr (*GetArtBounds)(SBArtHandle art, SBRealRect* bounds);
    /* Whether the handle names art of the current document. */
    SBErr (*ValidArt)(SBArtHandle art, SBBool* valid);
} SBArtSuite;

#ifdef __cplusplus
}
#endif
#endif
