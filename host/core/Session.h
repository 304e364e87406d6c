// The stand-in host application: one document, the registries plug-ins fill (tools, notifiers,
// live effects, menus, actions), what the user was shown (alerts, questions, info values, panels),
// the stand-in desktop, fault injection and the call trace. The suites are C functions; they
// reach the running session through Session::Current().
#pragma once

#include "core/Document.h"

#include <scribera/SBMessages.h>
#include <scribera/SBSuites.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace scribera {

struct ToolRecord {
    Id id = kNoId;              // the tool handle
    SBPluginRef plugin = nullptr;
    std::string name;
    std::string title, tooltip;
    int16_t number = 0;         // the host's tool number
    int16_t group = 0;          // number of the first tool of its group
    int16_t toolset = 0;        // number of the first tool of its toolset
    int32_t icon = 0, alternateIcon = 0;
    int32_t options = 0;
    std::vector<int32_t> infoVariables;  // as last set, without the -1
};

struct NotifierRecord {
    Id id = kNoId;
    SBPluginRef plugin = nullptr;
    std::string name, type;
};

struct LiveEffectRecord {
    Id id = kNoId;
    SBPluginRef plugin = nullptr;
    std::string name, title;
    int32_t major = 0, minor = 0, inputs = 0, filters = 0;
};

struct MenuItemRecord {
    Id id = kNoId;
    Id effect = kNoId;
    std::string itemName, category, title;
    int32_t options = 0;
    bool autoEnable = false;
    int32_t enableAction = 0;
    int32_t criteria[6] = {0, 0, 0, 0, 0, 0};
};

struct ActionKeyRecord {
    uint32_t key = 0;
    std::string name;
    uint32_t type = 0;  // 'long', 'real', 'bool'
    bool shown = true;
};

struct ActionEventRecord {
    std::string event, displayName;
    int32_t version = 0, flags = 0;
    SBPluginRef plugin = nullptr;
    std::vector<ActionKeyRecord> keys;
};

// One typed value of an action parameter value.
struct ActionValue {
    enum class Type { Integer, Boolean, UnitReal };
    uint32_t key = 0;
    Type type = Type::Integer;
    int32_t integer = 0;
    bool boolean = false;
    double real = 0;
    uint32_t unit = 0;
};

struct RecordedAction {
    std::string event;
    int32_t dialog = 0;
    std::vector<ActionValue> values;  // in the order they were set
};

// A live-effect instance's dictionary.
struct DictionaryEntry {
    enum class Type { Real, Integer, Boolean };
    Type type = Type::Real;
    double real = 0;
    int32_t integer = 0;
    bool boolean = false;
};
using Dictionary = std::map<std::string, DictionaryEntry>;

struct MessageResult {
    std::string caller, selector;
    SBErr result = 0;
};

struct QuestionRecord {
    std::string text;
    bool answer = true;
};

struct PanelRecord {
    std::string extension;
    std::string sent;  // the payload the plug-in dispatched once the panel was ready
};

// Fails the N-th call (1-based, counted from arming) of one suite operation, named
// "SUITE.OPERATION" as in "SB Art Suite.NewArt" or "SB Art.NewArt" (the word "Suite" may be left
// out). Acquisitions through the basic suite are "Basic.AcquireSuite:<suite name>".
class FaultInjector {
public:
    void Arm(const std::string& operation, int32_t nth, SBErr code);
    void Clear();
    // Called by every suite operation: the code to fail with, or 0.
    SBErr Check(const char* suite, const char* operation);

private:
    struct Fault {
        std::string operation;
        int32_t remaining;
        SBErr code;
    };
    std::vector<Fault> faults_;
};

// The stand-in desktop the plug-in's platform layer reads.
struct DeskState {
    std::map<int32_t, bool> keysDown;        // virtual key -> held
    std::map<int32_t, bool> pressedSince;    // pressed since the last query
    std::deque<uint32_t> messageQueue;       // queued window messages (keyboard ones are 256..265)
    int64_t clockMilliseconds = 1767225600000;  // the virtual clock
    std::string profileFolder;
    std::vector<std::string> cursorLog;      // "load 32515", "set 32515"
};

class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The session the suites serve. Exactly one is current at a time.
    static Session& Current();
    static bool HasCurrent();
    void MakeCurrent();

    // The document (a session always has one).
    Document& Doc() { return *document_; }
    void NewDocument(double width, double height);

    // The basic suite handed to plug-ins in every message.
    const SBBasicSuite* BasicSuite() const;
    // Acquisitions and releases through the basic suite, per suite name.
    int32_t AcquireCount(const std::string& suite) const;
    int32_t ReleaseCount(const std::string& suite) const;
    // Acquired minus released, over all suites.
    int32_t SuitesHeld() const;

    FaultInjector& Faults() { return faults_; }
    // Call trace: "SB Art Suite.NewArt" per suite call, in order, while enabled.
    void SetTracing(bool on) { tracing_ = on; }
    const std::vector<std::string>& Trace() const { return trace_; }
    // Every suite operation calls this first; the code to return when a fault is armed, else 0.
    SBErr Enter(const char* suite, const char* operation);
    // Calls with ids of objects that are gone, logged ("SB Art Suite.GetArtType: stale 42").
    const std::vector<std::string>& StaleHandleLog() const { return staleLog_; }
    void LogStale(const char* suite, const char* operation, Id id);

    // Registries.
    std::vector<ToolRecord> tools;
    std::vector<NotifierRecord> notifiers;
    std::vector<LiveEffectRecord> liveEffects;
    std::vector<MenuItemRecord> menuItems;
    std::vector<ActionEventRecord> actionEvents;
    Id selectedTool = kNoId;
    std::string pluginName;
    std::vector<std::string> startupTexts;

    // Actions.
    bool recording = false;
    std::vector<RecordedAction> recordedActions;

    // What the user was shown.
    std::vector<std::string> alerts;
    std::vector<QuestionRecord> questions;
    std::deque<bool> scriptedAnswers;  // answers for the next questions; yes when empty
    std::vector<int32_t> infoVariables;
    std::vector<double> infoValues;
    std::vector<PanelRecord> panels;
    std::vector<MessageResult> results;

    // Live-effect instances, by instance number.
    std::vector<Dictionary> effectInstances;

    // Folders: type 0 holds the panel-bridge library.
    std::string hostFolder;
    DeskState desk;

    // Objects the host hands out by handle (strings, parameter types and values, iterators,
    // styles, contexts) are kept here by id so a stale handle is caught.
    template <class T>
    Id Keep(std::shared_ptr<T> object);
    template <class T>
    T* Lookup(Id id) const;
    void Forget(Id id);

private:
    std::unique_ptr<Document> document_;
    FaultInjector faults_;
    bool tracing_ = false;
    std::vector<std::string> trace_;
    std::vector<std::string> staleLog_;
    std::map<std::string, int32_t> acquired_, released_;
    std::map<Id, std::shared_ptr<void>> objects_;
    friend struct SessionAccess;
};

}  // namespace scribera
