// Number formatting shared by the writers: the shortest text that reads back as the same double.
#pragma once

#include <string>

namespace scribera::io {

std::string FormatNumber(double value);

}  // namespace scribera::io
