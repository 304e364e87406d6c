// Paint: path styles, art styles, blending, gradients and custom colours.
#include "core/suites/SuiteTables.h"
#include "core/suites/SuiteUtil.h"

namespace scribera::suites {

namespace {

// Colour handles inside a style must name entries of the document's tables.
SBErr CheckColour(Session& s, const char* suite, const char* op, const SBColor& c) {
    switch (c.kind) {
        case SB_COLOR_GRAY:
        case SB_COLOR_FOUR:
        case SB_COLOR_THREE:
        case SB_COLOR_NONE:
            return SB_OK;
        case SB_COLOR_PATTERN:
            if (!s.Doc().FindPattern(FromHandle(c.c.pattern.pattern)))
                return Unknown(s, suite, op, FromHandle(c.c.pattern.pattern));
            return SB_OK;
        case SB_COLOR_CUSTOM:
            if (!s.Doc().FindCustomColour(FromHandle(c.c.custom.color)))
                return Unknown(s, suite, op, FromHandle(c.c.custom.color));
            return SB_OK;
        case SB_COLOR_GRADIENT:
            if (!s.Doc().FindGradient(FromHandle(c.c.gradient.gradient)))
                return Unknown(s, suite, op, FromHandle(c.c.gradient.gradient));
            return SB_OK;
        default:
            return SB_ERR_BAD_PARAM;
    }
}

SBErr CheckStyle(Session& s, const char* suite, const char* op, const SBPathStyle& style) {
    if (SBErr e = CheckColour(s, suite, op, style.fill.color)) return e;
    if (SBErr e = CheckColour(s, suite, op, style.stroke.color)) return e;
    if (!(style.stroke.width >= 0)) return SB_ERR_BAD_PARAM;
    return SB_OK;
}

bool HasPaint(ArtKind k) { return k == ArtKind::Path || k == ArtKind::Compound; }

}  // namespace

namespace pathstyle {
constexpr const char* kSuite = kSBPathStyleSuite;

SBErr GetPathStyle(SBArtHandle handle, SBPathStyle* style) {
    SB_ENTER();
    SB_NEED(style);
    SB_ART(a, handle);
    if (!HasPaint(a->kind)) return SB_ERR_BAD_PARAM;
    *style = a->style;
    return SB_OK;
}

SBErr SetPathStyle(SBArtHandle handle, const SBPathStyle* style) {
    SB_ENTER();
    SB_NEED(style);
    SB_ART(a, handle);
    if (!HasPaint(a->kind)) return SB_ERR_BAD_PARAM;
    if (SBErr e = CheckStyle(S, kSuite, op_, *style)) return e;
    return S.Doc().SetStyle(a->id, *style);
}

SBErr GetCurrentPathStyle(SBPathStyle* style) {
    SB_ENTER();
    SB_NEED(style);
    *style = S.Doc().CurrentStyle();
    return SB_OK;
}

SBErr SetCurrentPathStyle(const SBPathStyle* style) {
    SB_ENTER();
    SB_NEED(style);
    if (SBErr e = CheckStyle(S, kSuite, op_, *style)) return e;
    S.Doc().SetCurrentStyle(*style);
    return SB_OK;
}

SB_SUITE_TABLE(SBPathStyleSuite, GetPathStyle, SetPathStyle, GetCurrentPathStyle, SetCurrentPathStyle);
}  // namespace pathstyle

namespace artstyle {
constexpr const char* kSuite = kSBArtStyleSuite;

SBErr GetCurrentArtStyle(SBArtStyleHandle* style) {
    SB_ENTER();
    SB_NEED(style);
    *style = ToHandle<SBArtStyleHandle>(S.Doc().InternArtStyle(ArtStyleData{S.Doc().CurrentStyle(), 1.0}));
    return SB_OK;
}

SBErr GetArtStyle(SBArtHandle handle, SBArtStyleHandle* style) {
    SB_ENTER();
    SB_NEED(style);
    SB_ART(a, handle);
    *style = ToHandle<SBArtStyleHandle>(S.Doc().InternArtStyle(ArtStyleData{a->style, a->opacity}));
    return SB_OK;
}

SBErr SetArtStyle(SBArtHandle handle, SBArtStyleHandle styleHandle) {
    SB_ENTER();
    SB_ART(a, handle);
    const ArtStyleData* style = S.Doc().FindArtStyle(FromHandle(styleHandle));
    if (!style) return Unknown(S, kSuite, op_, FromHandle(styleHandle));
    const ArtStyleData copy = *style;
    if (SBErr e = S.Doc().SetStyle(a->id, copy.style)) return e;
    return S.Doc().SetOpacity(a->id, copy.opacity);
}

SB_SUITE_TABLE(SBArtStyleSuite, GetCurrentArtStyle, GetArtStyle, SetArtStyle);
}  // namespace artstyle

namespace blend {
constexpr const char* kSuite = kSBBlendStyleSuite;

SBErr CopyBlendingAttributes(SBArtHandle from, SBArtHandle to) {
    SB_ENTER();
    SB_ART(src, from);
    SB_ART(dst, to);
    const double opacity = src->opacity;
    const int32_t mode = src->blendMode;
    if (SBErr e = S.Doc().SetOpacity(dst->id, opacity)) return e;
    return S.Doc().SetBlendMode(dst->id, mode);
}

SBErr GetOpacity(SBArtHandle handle, double* opacity) {
    SB_ENTER();
    SB_NEED(opacity);
    SB_ART(a, handle);
    *opacity = a->opacity;
    return SB_OK;
}

SBErr SetOpacity(SBArtHandle handle, double opacity) {
    SB_ENTER();
    SB_ART(a, handle);
    return S.Doc().SetOpacity(a->id, opacity);
}

SB_SUITE_TABLE(SBBlendStyleSuite, CopyBlendingAttributes, GetOpacity, SetOpacity);
}  // namespace blend

namespace gradient {
constexpr const char* kSuite = kSBGradientSuite;

#define SB_GRADIENT(var, handle)                                        \
    const GradientData* var = S.Doc().FindGradient(FromHandle(handle)); \
    if (!var) return Unknown(S, kSuite, op_, FromHandle(handle))

SBErr GetGradientType(SBGradientHandle handle, int16_t* kind) {
    SB_ENTER();
    SB_NEED(kind);
    SB_GRADIENT(g, handle);
    *kind = g->kind;
    return SB_OK;
}

SBErr GetGradientStopCount(SBGradientHandle handle, int16_t* count) {
    SB_ENTER();
    SB_NEED(count);
    SB_GRADIENT(g, handle);
    *count = int16_t(g->stops.size());
    return SB_OK;
}

SBErr GetNthGradientStop(SBGradientHandle handle, int16_t n, SBGradientStop* stop) {
    SB_ENTER();
    SB_NEED(stop);
    SB_GRADIENT(g, handle);
    if (n < 0 || size_t(n) >= g->stops.size()) return SB_ERR_RANGE;
    *stop = g->stops[size_t(n)];
    return SB_OK;
}

SB_SUITE_TABLE(SBGradientSuite, GetGradientType, GetGradientStopCount, GetNthGradientStop);
}  // namespace gradient

namespace customcolour {
constexpr const char* kSuite = kSBCustomColorSuite;

SBErr GetCustomColor(SBCustomColorHandle handle, SBColor* definition) {
    SB_ENTER();
    SB_NEED(definition);
    const CustomColourData* c = S.Doc().FindCustomColour(FromHandle(handle));
    if (!c) return Unknown(S, kSuite, op_, FromHandle(handle));
    *definition = c->definition;
    return SB_OK;
}

SBErr GetCustomColorName(SBCustomColorHandle handle, const char** name) {
    SB_ENTER();
    SB_NEED(name);
    const CustomColourData* c = S.Doc().FindCustomColour(FromHandle(handle));
    if (!c) return Unknown(S, kSuite, op_, FromHandle(handle));
    *name = c->name.c_str();
    return SB_OK;
}

SB_SUITE_TABLE(SBCustomColorSuite, GetCustomColor, GetCustomColorName);
}  // namespace customcolour

SuiteTable PathStyleTable() { return {&pathstyle::kTable, pathstyle::kOperations}; }
SuiteTable ArtStyleTable() { return {&artstyle::kTable, artstyle::kOperations}; }
SuiteTable BlendStyleTable() { return {&blend::kTable, blend::kOperations}; }
SuiteTable GradientTable() { return {&gradient::kTable, gradient::kOperations}; }
SuiteTable CustomColorTable() { return {&customcolour::kTable, customcolour::kOperations}; }

}  // namespace scribera::suites
