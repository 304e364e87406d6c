// Numbers as the preferences file and the panel payloads write them: the default stream format
// (general notation, at most 6 significant digits), whatever locale the host process runs in.
#pragma once

#include <cstdint>
#include <string>

std::string FormatNumber(double value);
std::string FormatInteger(int32_t value);
