#include "frame/ToolCatalogue.h"

VTool* ObjectOf(const ToolRow& row) {
    if (!gZGlobals) return nullptr;
    if (row.staticObject) return row.staticObject();
    return row.entry ? gZGlobals->*row.entry : nullptr;
}
