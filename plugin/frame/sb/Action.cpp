#include "frame/sb/Action.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"

namespace sb {

bool HasActionManager() { return sActionManager != nullptr; }

ActionParamValue::ActionParamValue() { CheckHostResult(HeldSuite(sActionManager).NewActionParamValue(&value_)); }

ActionParamValue::~ActionParamValue() {
    if (value_ && sActionManager) sActionManager->DeleteActionParamValue(value_);
}

void ActionParamValue::SetInteger(uint32_t key, int32_t number) {
    CheckHostResult(HeldSuite(sActionManager).SetActionParamInteger(value_, key, number));
}

void ActionParamValue::SetBoolean(uint32_t key, bool flag) {
    CheckHostResult(HeldSuite(sActionManager).SetActionParamBoolean(value_, key, flag ? 1 : 0));
}

void ActionParamValue::SetUnitReal(uint32_t key, uint32_t unit, double number) {
    CheckHostResult(HeldSuite(sActionManager).SetActionParamUnitReal(value_, key, unit, number));
}

void ActionParamValue::Record(const char* eventName, int32_t dialogStatus) {
    CheckHostResult(HeldSuite(sActionManager).RecordActionEvent(eventName, dialogStatus, value_));
}

void ActionParamValue::Delete() {
    if (!value_) return;
    SBActionParamValueRef value = value_;
    value_ = nullptr;
    CheckHostResult(HeldSuite(sActionManager).DeleteActionParamValue(value));
}

int32_t GetActionInteger(SBActionParamValueRef value, uint32_t key) {
    int32_t number = 0;
    CheckHostResult(HeldSuite(sActionManager).GetActionParamInteger(value, key, &number));
    return number;
}

bool GetActionBoolean(SBActionParamValueRef value, uint32_t key) {
    SBBool flag = 0;
    CheckHostResult(HeldSuite(sActionManager).GetActionParamBoolean(value, key, &flag));
    return flag != 0;
}

double GetActionReal(SBActionParamValueRef value, uint32_t key) {
    uint32_t unit = 0;
    double number = 0;
    CheckHostResult(HeldSuite(sActionManager).GetActionParamUnitReal(value, key, &unit, &number));
    return number;
}

}  // namespace sb
