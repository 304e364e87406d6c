/* SB Action Manager Suite, version 5: Recordable actions. */
#ifndef SCRIBERA_SBACTIONMANAGERSUITE_H
#define SCRIBERA_SBACTIONMANAGERSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBActionManagerSuite "SB Action Manager Suite"
#define kSBActionManagerSuiteVersion 5

/* Parameter type codes and units. */
#define SB_ACTION_TYPE_INTEGER SB_FOURCC('l', 'o', 'n', 'g')
#define SB_ACTION_TYPE_REAL SB_FOURCC('r', 'e', 'a', 'l')
#define SB_ACTION_TYPE_BOOLEAN SB_FOURCC('b', 'o', 'o', 'l')
#define SB_UNIT_POINTS SB_FOURCC('#', 'P', 'x', 'l')
#define SB_UNIT_ANGLE SB_FOURCC('#', 'A', 'n', 'g')
#define SB_UNIT_PERCENT SB_FOURCC('#', 'P', 'r', 'c')
#define SB_UNIT_NONE SB_FOURCC('#', 'N', 'n', 'e')

typedef struct SBActionManagerSuite {
    SBErr (*NewActionParamType)(SBActionParamTypeRef* type);
    SBErr (*SetActionParamTypeKey)(SBActionParamTypeRef type, uint32_t key, const char* name, uint32_t typeCode,
                                   SBBool shown);
    SBErr (*DeleteActionParamType)(SBActionParamTypeRef type);
    SBErr (*RegisterActionEvent)(const char* eventName, const char* displayName, int32_t version, int32_t flags,
                                 void* callback, SBPluginRef plugin, void* userData, SBActionParamTypeRef parameters);
    SBErr (*InRecordMode)(SBBool* recording);
    SBErr (*NewActionParamValue)(SBActionParamValueRef* value);
    SBErr (*DeleteActionParamValue)(SBActionParamValueRef value);
    SBErr (*SetActionParamInteger)(SBActionParamValueRef value, uint32_t key, int32_t number);
    SBErr (*SetActionParamBoolean)(SBActionParamValueRef value, uint32_t key, SBBool flag);
    SBErr (*SetActionParamUnitReal)(SBActionParamValueRef value, uint32_t key, uint32_t unit, double number);
    /* Reading a key the value does not hold fails with SB_ERR_NO_SUCH_KEY. */
    SBErr (*GetActionParamInteger)(SBActionParamValueRef value, uint32_t key, int32_t* number);
    SBErr (*GetActionParamBoolean)(SBActionParamValueRef value, uint32_t key, SBBool* flag);
    SBErr (*GetActionParamUnitReal)(SBActionParamValueRef value, uint32_t key, uint32_t* unit, double* number);
    SBErr (*RecordActionEvent)(const char* eventName, int32_t dialogStatus, SBActionParamValueRef value);
} SBActionManagerSuite;

#ifdef __cplusplus
}
#endif
#endif
