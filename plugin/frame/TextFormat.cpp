#include "frame/TextFormat.h"

#include <locale>
#include <sstream>

std::string FormatNumber(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

std::string FormatInteger(int32_t value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}
