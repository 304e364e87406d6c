#include "frame/Globals.h"

ZGlobals* gZGlobals = nullptr;
ZarvoPlugin* gCurrentPlugin = nullptr;
