// Paint and appearance: path styles, art styles, blending, gradients, custom colours, groups.
#pragma once

#include <scribera/SBTypes.h>

#include <cstdint>
#include <string>

namespace sb {

// SB Path Style Suite.
SBPathStyle GetPathStyle(SBArtHandle path);
void SetPathStyle(SBArtHandle path, const SBPathStyle& style);
SBPathStyle GetCurrentPathStyle();
void SetCurrentPathStyle(const SBPathStyle& style);

// SB Art Style Suite.
SBArtStyleHandle GetCurrentArtStyle();
SBArtStyleHandle GetArtStyle(SBArtHandle art);
void SetArtStyle(SBArtHandle art, SBArtStyleHandle style);

// SB Blend Style Suite.
void CopyBlendingAttributes(SBArtHandle from, SBArtHandle to);
double GetOpacity(SBArtHandle art);
void SetOpacity(SBArtHandle art, double opacity);

// SB Gradient Suite.
int16_t GetGradientType(SBGradientHandle gradient);
int16_t GetGradientStopCount(SBGradientHandle gradient);
SBGradientStop GetNthGradientStop(SBGradientHandle gradient, int16_t n);

// SB Custom Color Suite.
SBColor GetCustomColor(SBCustomColorHandle color);
std::string GetCustomColorName(SBCustomColorHandle color);

// SB Group Suite.
bool GetGroupClipped(SBArtHandle group);
void SetGroupClipped(SBArtHandle group, bool clipped);

}  // namespace sb
