// What Zarvo registers with the host at start-up, in registration order.
#pragma once

#include <cstdint>

namespace registration {

struct ToolEntry {
    const char* name;  // title and tooltip too
    int32_t icon;      // normal and alternate icon resource
};
extern const ToolEntry kFirstGroupTools[7];
extern const ToolEntry kSecondGroupTools[6];
constexpr int32_t kToolOptions = 1;  // the tool receives cursor-tracking messages

struct NotifierEntry {
    const char* name;
    const char* type;
};
extern const NotifierEntry kNotifiers[3];

extern const char* const kLiveEffects[3];
constexpr const char* kLiveEffectMenuItem = "Zarvo";
constexpr const char* kLiveEffectMenuCategory = "Zarvo";

struct ActionKey {
    uint32_t key;
    const char* name;  // empty for a hidden key
    uint32_t type;     // 'real', 'long', 'bool'
    bool shown;
};
struct ActionEntry {
    const char* event;
    const char* displayName;
    const ActionKey* keys;
    int keyCount;
};
extern const ActionEntry kActions[10];

}  // namespace registration
