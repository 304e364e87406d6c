/* Message records the host passes to PluginMain. Every record begins with SBMessageData. */
#ifndef SCRIBERA_SBMESSAGES_H
#define SCRIBERA_SBMESSAGES_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Acquires and releases suites by exact name and version. */
typedef struct SBBasicSuite {
    SBErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
    SBErr (*ReleaseSuite)(const char* name, int32_t version);
} SBBasicSuite;

typedef struct SBMessageData {
    int32_t leadingWord;       /* the host's; plug-ins do not read it */
    SBPluginRef self;          /* the host's handle for this plug-in */
    void* globals;             /* kept by the host between calls; written by the plug-in */
    const SBBasicSuite* basic; /* acquire and release suites */
} SBMessageData;

typedef struct SBNotifierMessage {
    SBMessageData d;
    SBNotifierHandle notifier;
    const char* type; /* notification type */
    void* notifyData;
} SBNotifierMessage;

/* Modifier bits of SBEventRecord.modifiers. */
#define SB_MOD_SHIFT 0x0200
#define SB_MOD_ALT 0x0800

typedef struct SBEventRecord {
    uint16_t modifiers;
    uint16_t reserved;
    int32_t when; /* host ticks */
} SBEventRecord;

typedef struct SBToolMessage {
    SBMessageData d;
    SBToolHandle tool;
    SBRealPoint cursor; /* document coordinates */
    double pressure;    /* host field, not read */
    int32_t hostFlags;  /* host field, not read */
    SBEventRecord* event;
} SBToolMessage;

/* One record for every "SB Live Effect" selector. */
typedef struct SBLiveEffectMessage {
    SBMessageData d;
    SBLiveEffectHandle effect;
    SBLiveEffectParamContext context; /* names this request when telling the host of changes */
    SBDictionaryRef parameters;       /* the effect instance's own dictionary */
    SBArtHandle art;                  /* go: the art the effect applies to; else null */
    SBBool allowPreview;              /* edit parameters: the host can show a preview */
} SBLiveEffectMessage;

typedef struct SBMenuMessage {
    SBMessageData d;
    SBMenuItemHandle menuItem;
} SBMenuMessage;

typedef struct SBActionMessage {
    SBMessageData d;
    int32_t hostField; /* the host's; not read */
    SBBool showDialog;
    SBActionParamValueRef params; /* the recorded values */
} SBActionMessage;

/* Callers and selectors. */
#define kSBCallerAccess "XQ Access"
#define kSBCallerInterface "XQ Interface"
#define kSBCallerCache "XQ Cache"
#define kSBCallerProperties "XQ Properties"
#define kSBCallerNotifier "SB Notifier"
#define kSBCallerActionManager "Action Manager"
#define kSBCallerMenu "SB Menu"
#define kSBCallerFilter "SB Filter"
#define kSBCallerPluginGroup "SB Plugin Group"
#define kSBCallerFileFormat "SB File Format"
#define kSBCallerTool "SB Tool"
#define kSBCallerLiveEffect "SB Live Effect"
#define kSBCallerTimer "SB Timer"
#define kSBCallerClipboard "SB Clipboard"
#define kSBCallerWorkspace "Workspace Manager"

#define kSBSelectorStartup "Startup"
#define kSBSelectorShutdown "Shutdown"
#define kSBSelectorAbout "About"
#define kSBSelectorUnload "Unload"
#define kSBSelectorReload "Reload"
#define kSBSelectorPurge "Plug-in Purge"
#define kSBSelectorNotify "SB Notify"
#define kSBSelectorDoAction "Do Action"
#define kSBSelectorGo "SB Go"
#define kSBSelectorUpdate "SB Update"
#define kSBSelectorEditOptions "SB Edit Options"
#define kSBSelectorTrackCursor "SB Track Cursor"
#define kSBSelectorMouseDown "SB Mouse Down"
#define kSBSelectorMouseDrag "SB Mouse Drag"
#define kSBSelectorMouseUp "SB Mouse Up"
#define kSBSelectorSelect "SB Select"
#define kSBSelectorDeselect "SB Deselect"
#define kSBSelectorReselect "SB Reselect"
#define kSBSelectorLiveEffectEditParameters "SB Live Effect Edit Parameters"
#define kSBSelectorLiveEffectGo "SB Live Effect Go Live"

/* Notification types the host sends. */
#define kSBApplicationStartedNotifier "SB Application Started Notifier"
#define kSBApplicationShutdownNotifier "SB Application Shutdown Notifier"
#define kSBPanelSetupCompleteNotifier "SB Panelux Relayzen Setup Complete"

/* The one entry point a plug-in exports. */
typedef SBErr (*SBPluginMainProc)(const char* caller, const char* selector, void* message);

#ifdef __cplusplus
}
#endif
#endif
