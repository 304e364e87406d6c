// Recorded action values through the SB Action Manager Suite. Every wrapper raises HostError for a
// non-zero result.
#pragma once

#include "frame/sb/Registry.h"  // InRecordMode

#include <scribera/SBActionManagerSuite.h>  // the type and unit codes
#include <scribera/SBTypes.h>

#include <cstdint>

namespace sb {

// Whether the suite was acquired at all; a host without it neither records nor plays back.
bool HasActionManager();

// A new, empty parameter value, deleted with the object.
class ActionParamValue {
public:
    ActionParamValue();
    ~ActionParamValue();
    ActionParamValue(const ActionParamValue&) = delete;
    ActionParamValue& operator=(const ActionParamValue&) = delete;

    // False when the host handed out no value.
    bool IsValid() const { return value_ != nullptr; }
    void SetInteger(uint32_t key, int32_t number);
    void SetBoolean(uint32_t key, bool flag);
    void SetUnitReal(uint32_t key, uint32_t unit, double number);
    void Record(const char* eventName, int32_t dialogStatus);
    // Deletes now, reporting the host's result.
    void Delete();

private:
    SBActionParamValueRef value_ = nullptr;
};

// Reads of a value the host hands in; a missing key raises HostError with the host's code.
int32_t GetActionInteger(SBActionParamValueRef value, uint32_t key);
bool GetActionBoolean(SBActionParamValueRef value, uint32_t key);
double GetActionReal(SBActionParamValueRef value, uint32_t key);

}  // namespace sb
