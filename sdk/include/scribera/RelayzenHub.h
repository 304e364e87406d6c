/* The panel-bridge library: five C functions that carry named events between a plug-in and the
   host's panel service. A plug-in loads the library at run time from the host's folder of type 0. */
#ifndef SCRIBERA_RELAYZENHUB_H
#define SCRIBERA_RELAYZENHUB_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define RELAYZEN_LIBRARY_NAME "RelayzenHub.dll"
#define RELAYZEN_EXPORT __declspec(dllexport)
#else
/* The stand-in host's bridge is an ordinary shared library. */
#define RELAYZEN_LIBRARY_NAME "libRelayzenHub.so"
#define RELAYZEN_EXPORT __attribute__((visibility("default")))
#endif

typedef struct RelayzenEvent {
    const char* type;        /* "com.norvane.event...." */
    int32_t scope;           /* 1: the application */
    const char* appId;       /* application field */
    const char* extensionId; /* extension field; may be null */
    const char* data;        /* payload text; may be null */
} RelayzenEvent;

typedef void (*RelayzenListener)(const RelayzenEvent* event, void* context);

typedef int32_t (*RelayzenLoadExtensionProc)(const char* extensionId);
typedef int32_t (*RelayzenUnloadExtensionProc)(const char* extensionId);
typedef int32_t (*RelayzenAddEventListenerProc)(const char* type, RelayzenListener listener, void* context);
typedef int32_t (*RelayzenRemoveEventListenerProc)(const char* type, RelayzenListener listener, void* context);
typedef int32_t (*RelayzenDispatchEventProc)(const RelayzenEvent* event);

#ifdef __cplusplus
}
#endif
#endif
