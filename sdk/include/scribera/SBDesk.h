/* The stand-in desktop: what a plug-in's platform layer reads when it runs inside the stand-in host
   instead of on a real desktop. The host process exports one function, SB_DESK_TABLE_SYMBOL, that
   returns this table; a plug-in looks it up in the running process. */
#ifndef SCRIBERA_SBDESK_H
#define SCRIBERA_SBDESK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define SB_DESK_TABLE_SYMBOL "ScriberaDeskTable"
#define SB_DESK_TABLE_VERSION 1

/* Keyboard messages lie in this range (first key-down to last character message). */
#define SB_DESK_FIRST_KEY_MESSAGE 256u
#define SB_DESK_LAST_KEY_MESSAGE 265u

typedef struct SBDeskTable {
    int32_t version;
    /* Non-zero when the virtual key is down or was pressed since the previous query. */
    int16_t (*GetAsyncKeyState)(int32_t virtualKey);
    /* Removes the next queued message within [first, last]; returns 1 when one was removed. */
    int32_t (*RemoveQueuedMessage)(uint32_t first, uint32_t last);
    /* Advances the virtual clock instead of sleeping. */
    void (*Sleep)(uint32_t milliseconds);
    /* A system cursor by id (32515: cross-hair); null when there is none. */
    void* (*LoadSystemCursor)(int32_t id);
    void (*SetCursor)(void* cursor);
    /* The user's profile folder, NUL-terminated; 0 on success. */
    int32_t (*GetProfileFolder)(char* path, int32_t size);
    /* Seconds since the epoch, on the virtual clock. */
    int64_t (*ClockSeconds)(void);
} SBDeskTable;

typedef const SBDeskTable* (*SBDeskTableProc)(void);

#ifdef __cplusplus
}
#endif
#endif
