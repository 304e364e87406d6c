// Result codes the frame itself produces or treats specially.
#pragma once

#include <scribera/SBTypes.h>

#include <cstdint>

constexpr SBErr kNotHandled = SB_ERR_NOT_HANDLED;                    // '!MSG'
constexpr SBErr kOutOfMemory = SB_ERR_MEMORY;                        // '!MEM'
constexpr SBErr kCachesFlushed = static_cast<SBErr>(0x70466C73);     // 'pFls'
constexpr SBErr kHandledException = static_cast<SBErr>(0x45785472);  // 'ExTr'
constexpr SBErr kUserCancel = SB_ERR_CANCEL;                         // 'STOP'
// PluginMain was called without a caller, a selector or a message record.
constexpr SBErr kBadMessage = SB_ERR_BAD_PARAM;  // 'PARM'

// Codes that are never shown to the user; ends with 0.
extern const int32_t kSilentCodes[];
bool IsSilentCode(SBErr code);
