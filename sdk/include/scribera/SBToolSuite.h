/* SB Tool Suite, version 15: The toolbox. */
#ifndef SCRIBERA_SBTOOLSUITE_H
#define SCRIBERA_SBTOOLSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBToolSuite "SB Tool Suite"
#define kSBToolSuiteVersion 15

/* Tool numbers of SBToolData: -2 starts a new group or toolset. */
#define SB_TOOL_NEW_GROUP ((int16_t)-2)
#define SB_TOOL_NEW_TOOLSET ((int16_t)-2)

typedef struct SBToolData {
    const char* title;
    const char* tooltip;
    int32_t normalIconId; /* PNG resource ids */
    int32_t alternateIconId;
    int16_t sameGroupAs;   /* tool number, or SB_TOOL_NEW_GROUP */
    int16_t sameToolsetAs; /* tool number, or SB_TOOL_NEW_TOOLSET */
} SBToolData;

/* Tool option flags. */
#define SB_TOOL_TRACKS_CURSOR 1

typedef struct SBToolSuite {
    SBErr (*AddTool)(SBPluginRef plugin, const char* name, const SBToolData* data, int32_t options, SBToolHandle* tool);
    SBErr (*GetToolNumberFromName)(const char* name, int16_t* number);
    SBErr (*GetSelectedTool)(SBToolHandle* tool);
    /* Info-panel variables the tool shows, ended by -1. */
    SBErr (*SetToolInfoVars)(SBToolHandle tool, const int32_t* infoVars);
    /* Values for the variables (ended by -1), one pointer to a double each. */
    SBErr (*SetToolInfoVarValues)(const int32_t* infoVars, void** values);
} SBToolSuite;

#ifdef __cplusplus
}
#endif
#endif
