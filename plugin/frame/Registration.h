// What Zarvo registers with the host at start-up besides the tools' own rows (the tool catalogue
// gives names, icons, live effects and actions).
#pragma once

#include <cstdint>

namespace registration {

constexpr int32_t kToolOptions = 1;  // the tool receives cursor-tracking messages

struct NotifierEntry {
    const char* name;
    const char* type;
};
extern const NotifierEntry kNotifiers[3];

constexpr const char* kLiveEffectMenuItem = "Zarvo";
constexpr const char* kLiveEffectMenuCategory = "Zarvo";

}  // namespace registration
