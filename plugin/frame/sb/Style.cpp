#include "frame/sb/Style.h"

#include "frame/Suites.h"
#include "frame/sb/Art.h"

namespace sb {
using detail::Require;

SBPathStyle GetPathStyle(SBArtHandle path) {
    SBPathStyle style{};
    CheckHostResult(Require(sPathStyle).GetPathStyle(path, &style));
    return style;
}

void SetPathStyle(SBArtHandle path, const SBPathStyle& style) {
    CheckHostResult(Require(sPathStyle).SetPathStyle(path, &style));
}

SBPathStyle GetCurrentPathStyle() {
    SBPathStyle style{};
    CheckHostResult(Require(sPathStyle).GetCurrentPathStyle(&style));
    return style;
}

void SetCurrentPathStyle(const SBPathStyle& style) {
    CheckHostResult(Require(sPathStyle).SetCurrentPathStyle(&style));
}

SBArtStyleHandle GetCurrentArtStyle() {
    SBArtStyleHandle style = nullptr;
    CheckHostResult(Require(sArtStyle).GetCurrentArtStyle(&style));
    return style;
}

SBArtStyleHandle GetArtStyle(SBArtHandle art) {
    SBArtStyleHandle style = nullptr;
    CheckHostResult(Require(sArtStyle).GetArtStyle(art, &style));
    return style;
}

void SetArtStyle(SBArtHandle art, SBArtStyleHandle style) {
    CheckHostResult(Require(sArtStyle).SetArtStyle(art, style));
}

void CopyBlendingAttributes(SBArtHandle from, SBArtHandle to) {
    CheckHostResult(Require(sBlendStyle).CopyBlendingAttributes(from, to));
}

double GetOpacity(SBArtHandle art) {
    double opacity = 1.0;
    CheckHostResult(Require(sBlendStyle).GetOpacity(art, &opacity));
    return opacity;
}

void SetOpacity(SBArtHandle art, double opacity) { CheckHostResult(Require(sBlendStyle).SetOpacity(art, opacity)); }

int16_t GetGradientType(SBGradientHandle gradient) {
    int16_t kind = 0;
    CheckHostResult(Require(sGradient).GetGradientType(gradient, &kind));
    return kind;
}

int16_t GetGradientStopCount(SBGradientHandle gradient) {
    int16_t count = 0;
    CheckHostResult(Require(sGradient).GetGradientStopCount(gradient, &count));
    return count;
}

SBGradientStop GetNthGradientStop(SBGradientHandle gradient, int16_t n) {
    SBGradientStop stop{};
    CheckHostResult(Require(sGradient).GetNthGradientStop(gradient, n, &stop));
    return stop;
}

SBColor GetCustomColor(SBCustomColorHandle color) {
    SBColor definition{};
    CheckHostResult(Require(sCustomColor).GetCustomColor(color, &definition));
    return definition;
}

std::string GetCustomColorName(SBCustomColorHandle color) {
    const char* name = nullptr;
    CheckHostResult(Require(sCustomColor).GetCustomColorName(color, &name));
    return name ? std::string(name) : std::string();
}

bool GetGroupClipped(SBArtHandle group) {
    SBBool clipped = 0;
    CheckHostResult(Require(sGroup).GetGroupClipped(group, &clipped));
    return clipped != 0;
}

void SetGroupClipped(SBArtHandle group, bool clipped) {
    CheckHostResult(Require(sGroup).SetGroupClipped(group, clipped ? 1 : 0));
}

}  // namespace sb
