#include "frame/sb/Style.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"
#include "frame/sb/Art.h"

namespace sb {

SBPathStyle GetPathStyle(SBArtHandle path) {
    SBPathStyle style{};
    CheckHostResult(HeldSuite(sPathStyle).GetPathStyle(path, &style));
    return style;
}

void SetPathStyle(SBArtHandle path, const SBPathStyle& style) {
    CheckHostResult(HeldSuite(sPathStyle).SetPathStyle(path, &style));
}

SBPathStyle GetCurrentPathStyle() {
    SBPathStyle style{};
    CheckHostResult(HeldSuite(sPathStyle).GetCurrentPathStyle(&style));
    return style;
}

void SetCurrentPathStyle(const SBPathStyle& style) {
    CheckHostResult(HeldSuite(sPathStyle).SetCurrentPathStyle(&style));
}

SBArtStyleHandle GetCurrentArtStyle() {
    SBArtStyleHandle style = nullptr;
    CheckHostResult(HeldSuite(sArtStyle).GetCurrentArtStyle(&style));
    return style;
}

SBArtStyleHandle GetArtStyle(SBArtHandle art) {
    SBArtStyleHandle style = nullptr;
    CheckHostResult(HeldSuite(sArtStyle).GetArtStyle(art, &style));
    return style;
}

void SetArtStyle(SBArtHandle art, SBArtStyleHandle style) {
    CheckHostResult(HeldSuite(sArtStyle).SetArtStyle(art, style));
}

void CopyBlendingAttributes(SBArtHandle from, SBArtHandle to) {
    CheckHostResult(HeldSuite(sBlendStyle).CopyBlendingAttributes(from, to));
}

double GetOpacity(SBArtHandle art) {
    double opacity = 1.0;
    CheckHostResult(HeldSuite(sBlendStyle).GetOpacity(art, &opacity));
    return opacity;
}

void SetOpacity(SBArtHandle art, double opacity) { CheckHostResult(HeldSuite(sBlendStyle).SetOpacity(art, opacity)); }

int16_t GetGradientType(SBGradientHandle gradient) {
    int16_t kind = 0;
    CheckHostResult(HeldSuite(sGradient).GetGradientType(gradient, &kind));
    return kind;
}

int16_t GetGradientStopCount(SBGradientHandle gradient) {
    int16_t count = 0;
    CheckHostResult(HeldSuite(sGradient).GetGradientStopCount(gradient, &count));
    return count;
}

SBGradientStop GetNthGradientStop(SBGradientHandle gradient, int16_t n) {
    SBGradientStop stop{};
    CheckHostResult(HeldSuite(sGradient).GetNthGradientStop(gradient, n, &stop));
    return stop;
}

SBColor GetCustomColor(SBCustomColorHandle color) {
    SBColor definition{};
    CheckHostResult(HeldSuite(sCustomColor).GetCustomColor(color, &definition));
    return definition;
}

std::string GetCustomColorName(SBCustomColorHandle color) {
    const char* name = nullptr;
    CheckHostResult(HeldSuite(sCustomColor).GetCustomColorName(color, &name));
    return name ? std::string(name) : std::string();
}

bool GetGroupClipped(SBArtHandle group) {
    SBBool clipped = 0;
    CheckHostResult(HeldSuite(sGroup).GetGroupClipped(group, &clipped));
    return clipped != 0;
}

void SetGroupClipped(SBArtHandle group, bool clipped) {
    CheckHostResult(HeldSuite(sGroup).SetGroupClipped(group, clipped ? 1 : 0));
}

}  // namespace sb
