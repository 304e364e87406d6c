/* Basic types shared by the Scribera host and its plug-ins. C, so that a plug-in and the host may
   come from different compilers. Every suite function returns an SBErr; outputs go through pointers. */
#ifndef SCRIBERA_SBTYPES_H
#define SCRIBERA_SBTYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t SBErr;
typedef int32_t SBBool; /* 0 false, anything else true */

/* Four-character codes are read most significant byte first: 'tool' is 0x746F6F6C. */
#define SB_FOURCC(a, b, c, d)                                                                                     \
    ((uint32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | ((uint32_t)(uint8_t)(c) << 8) | \
                (uint32_t)(uint8_t)(d)))

/* Result codes a plug-in and the host exchange. */
#define SB_OK 0
#define SB_ERR_NOT_HANDLED ((SBErr)0x214D5347) /* '!MSG' */
#define SB_ERR_MEMORY ((SBErr)0x214D454D)      /* '!MEM' */
#define SB_ERR_CANT ((SBErr)0x43414E54)        /* 'CANT' */
#define SB_ERR_CANCEL ((SBErr)0x53544F50)      /* 'STOP' */
#define SB_ERR_BAD_PARAM ((SBErr)0x5041524D)   /* 'PARM' host: an argument it cannot take */
#define SB_ERR_STALE ((SBErr)0x53544C45)       /* 'STLE' host: a handle of an object that is gone */
#define SB_ERR_NO_SUCH_KEY ((SBErr)0x214B4559) /* '!KEY' host: a value does not hold that key */
#define SB_ERR_NO_SUITE ((SBErr)0x2153554E)    /* '!SUN' host: no suite of that name and version */
#define SB_ERR_RANGE ((SBErr)0x52414E47)       /* 'RANG' host: an index outside what the object has */

/* Opaque host references. The host checks every one it is handed. */
typedef struct SBOpaquePlugin* SBPluginRef;
typedef struct SBOpaqueAccess* SBAccessRef;
typedef struct SBOpaqueArt* SBArtHandle;
typedef struct SBOpaqueLayer* SBLayerHandle;
typedef struct SBOpaqueArtStyle* SBArtStyleHandle;
typedef struct SBOpaqueGradient* SBGradientHandle;
typedef struct SBOpaquePattern* SBPatternHandle;
typedef struct SBOpaqueCustomColor* SBCustomColorHandle;
typedef struct SBOpaqueTool* SBToolHandle;
typedef struct SBOpaqueNotifier* SBNotifierHandle;
typedef struct SBOpaqueLiveEffect* SBLiveEffectHandle;
typedef struct SBOpaqueMenuItem* SBMenuItemHandle;
typedef struct SBOpaqueDictionary* SBDictionaryRef;
typedef struct SBOpaqueDictKey* SBDictKey;
typedef struct SBOpaqueLiveEffectParams* SBLiveEffectParamContext;
typedef struct SBOpaqueActionParamType* SBActionParamTypeRef;
typedef struct SBOpaqueActionParamValue* SBActionParamValueRef;
typedef struct SBOpaqueAppContext* SBAppContext;
typedef struct SBOpaqueCursorResource* SBCursorResource;
typedef struct SBOpaqueDocumentView* SBDocumentViewHandle;
typedef struct SBOpaqueMeshVertex* SBMeshVertexIterator;
typedef struct SBOpaqueMeshSegment* SBMeshSegmentIterator;
typedef struct SBOpaqueUnicodeString* SBUnicodeStringRef;

typedef struct SBRealPoint {
    double h; /* horizontal */
    double v; /* vertical, pointing up */
} SBRealPoint;

/* Document coordinates with the vertical axis up: top >= bottom for a non-empty rectangle. */
typedef struct SBRealRect {
    double left, top, right, bottom;
} SBRealRect;

/* Maps (x, y) to (a*x + c*y + tx, b*x + d*y + ty). */
typedef struct SBRealMatrix {
    double a, b, c, d, tx, ty;
} SBRealMatrix;

/* One anchor of a path. */
typedef struct SBPathSegment {
    SBRealPoint p;   /* anchor */
    SBRealPoint in;  /* control point entering the anchor */
    SBRealPoint out; /* control point leaving the anchor */
    SBBool corner;
} SBPathSegment;

/* Art kinds. */
enum {
    SB_ART_ANY = -1,
    SB_ART_GROUP = 1,
    SB_ART_PATH = 2,
    SB_ART_COMPOUND_PATH = 3,
    SB_ART_TEXT = 4,
    SB_ART_PLACED = 5,
    SB_ART_RASTER = 6,
    SB_ART_SYMBOL = 7,
    SB_ART_PLUGIN = 8,
    SB_ART_MESH = 11
};

/* Placement relative to a reference object. */
enum { SB_PLACE_ABOVE = 1, SB_PLACE_BELOW = 2, SB_PLACE_INSIDE_ON_TOP = 3, SB_PLACE_INSIDE_ON_BOTTOM = 4 };

/* Art user attributes. */
#define SB_ATTR_SELECTED 1

/* Colour kinds. */
enum {
    SB_COLOR_GRAY = 0,
    SB_COLOR_FOUR = 1, /* cyan, magenta, yellow, black */
    SB_COLOR_PATTERN = 2,
    SB_COLOR_CUSTOM = 3,
    SB_COLOR_GRADIENT = 4,
    SB_COLOR_THREE = 5, /* red, green, blue */
    SB_COLOR_NONE = 6
};

/* Document colour models. */
enum { SB_MODEL_GRAY = 0, SB_MODEL_RGB = 1, SB_MODEL_CMYK = 2 };

/* Gradient kinds. */
enum { SB_GRADIENT_LINEAR = 0, SB_GRADIENT_RADIAL = 1 };

typedef struct SBGrayColor {
    double gray;
} SBGrayColor;
typedef struct SBFourColor {
    double cyan, magenta, yellow, black;
} SBFourColor;
typedef struct SBThreeColor {
    double red, green, blue;
} SBThreeColor;
typedef struct SBCustomColorRef {
    SBCustomColorHandle color;
    double tint;
} SBCustomColorRef;
typedef struct SBPatternStyle {
    SBPatternHandle pattern;
    SBRealMatrix matrix; /* placement of the pattern's tiles */
} SBPatternStyle;
typedef struct SBGradientStyle {
    SBGradientHandle gradient;
    SBRealPoint origin;
    double angle; /* degrees */
    double length;
    SBRealMatrix matrix;
} SBGradientStyle;

/* A colour value, copied whole: the kind, then the components. */
typedef struct SBColor {
    int32_t kind;
    union {
        SBGrayColor gray;
        SBFourColor four;
        SBThreeColor three;
        SBCustomColorRef custom;
        SBPatternStyle pattern;
        SBGradientStyle gradient;
    } c;
} SBColor;

typedef struct SBFillStyle {
    SBColor color;
    SBBool overprint;
} SBFillStyle;

typedef struct SBStrokeStyle {
    SBColor color;
    SBBool overprint;
    double width;
} SBStrokeStyle;

typedef struct SBPathStyle {
    SBBool fillPaint;   /* the fill is painted */
    SBBool strokePaint; /* the stroke is painted */
    SBFillStyle fill;
    SBStrokeStyle stroke;
    SBBool clip;    /* the path is a clipping path */
    SBBool evenOdd; /* even-odd fill rule (else non-zero) */
} SBPathStyle;

/* One stop of a gradient: position and midpoint in per cent. */
typedef struct SBGradientStop {
    double midPoint;
    double rampPoint;
    SBColor color;
} SBGradientStop;

/* One criterion of a matching-art request. */
typedef struct SBMatchingArtSpec {
    int16_t kind; /* SB_ART_ANY for any */
    int32_t whichAttr;
    int32_t attr;
} SBMatchingArtSpec;

#ifdef __cplusplus
}
#endif
#endif
