// The stand-in host application: one document, what plug-ins registered (tools, notifiers, live
// effects, menus, actions), the actions palette, what the user was shown (alerts, questions, info
// values, panels), live-effect instances, host memory, the stand-in desktop, the handles handed
// out, fault injection and the call trace. The suites are C functions; they reach the running
// session through Session::Current().
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
#include <utility>
#include <vector>

namespace scribera {

struct ToolRecord {
    Id id = kNoId;  // the tool handle
    SBPluginRef plugin = nullptr;
    std::string name;
    std::string title, tooltip;
    int16_t number = 0;   // the host's tool number
    int16_t group = 0;    // number of the first tool of its group
    int16_t toolset = 0;  // number of the first tool of its toolset
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

// A parameter description being built (SB Action Manager Suite: new parameter type).
struct ActionParamTypeData {
    std::vector<ActionKeyRecord> keys;
};

// A parameter value: typed values by key, in the order they were first set.
struct ActionParamValueData {
    std::vector<ActionValue> values;
};

// What names one live-effect request in its message; the plug-in hands it back when it tells the
// host its parameters changed.
struct LiveEffectContextData {
    Id effect = kNoId;
    Id instance = kNoId;
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
// out). Acquisitions through the basic suite are "Basic.AcquireSuite:<suite name>". The name "*"
// counts every suite call, so a test can fail each call of a session in turn. A fault fires once.
class FaultInjector {
public:
    void Arm(const std::string& operation, int32_t nth, SBErr code);
    void Clear();
    // Called by every suite operation: the code to fail with, or 0.
    SBErr Check(const char* suite, const char* operation);
    // Faults that have fired since the last Clear, as "SB Art Suite.NewArt".
    const std::vector<std::string>& Fired() const { return fired_; }
    // Faults armed that have not fired: the operation, and which of its calls from now on would fail.
    std::vector<std::pair<std::string, int32_t>> Pending() const;

private:
    struct Fault {
        std::string operation;
        int32_t remaining;
        SBErr code;
    };
    std::vector<Fault> faults_;
    std::vector<std::string> fired_;
};

// The stand-in desktop the plug-in's platform layer reads.
struct DeskState {
    std::map<int32_t, bool> keysDown;           // virtual key -> held
    std::map<int32_t, bool> pressedSince;       // pressed since the last query
    std::deque<uint32_t> messageQueue;          // queued window messages (keyboard ones are 256..265)
    int64_t clockMilliseconds = 1767225600000;  // the virtual clock
    std::string profileFolder;
    std::vector<std::string> cursorLog;  // "load 32515", "set 32515"
};

// What plug-ins registered with the host.
struct PluginRegistry {
    std::vector<ToolRecord> tools;
    std::vector<NotifierRecord> notifiers;
    std::vector<LiveEffectRecord> liveEffects;
    std::vector<MenuItemRecord> menuItems;
    std::vector<ActionEventRecord> actionEvents;
    Id selectedTool = kNoId;
    std::string pluginName;
    std::vector<std::string> startupTexts;
};

// The actions palette: whether it records, and what it recorded.
struct ActionRecorder {
    bool recording = false;
    std::vector<RecordedAction> recorded;
};

// What the user was shown, and the answers a script gives in the user's place.
struct UserLog {
    std::vector<std::string> alerts;
    std::vector<QuestionRecord> questions;
    std::deque<bool> scriptedAnswers;  // answers for the next questions; yes when empty
    // Asks a person when no scripted answer waits (the studio); unset, the answer is yes.
    std::function<bool(const std::string& question)> askPerson;
    std::vector<int32_t> infoVariables;
    std::vector<double> infoValues;
    std::vector<PanelRecord> panels;
    std::vector<MessageResult> results;  // messages a plug-in answered with an error
};

// Live-effect instances: each has its own dictionary, named by the instance's id (the message's
// SBDictionaryRef).
struct EffectInstances {
    std::map<Id, Dictionary> instances;
    Id NewInstance();
    // Dictionary keys, made from names, live as long as the session.
    std::map<std::string, Id> keys;
    std::map<Id, std::string> keyNames;
    // Instances whose parameters the plug-in reported changed (SB Live Effect Suite), in order.
    std::vector<Id> parameterUpdates;
};

// Host memory handed out: blocks (SB Block and XQ Blocks Suites) and matching-art lists (SB
// MdMemory Suite). Whatever is still held when the session ends is freed then.
class HostMemory {
public:
    HostMemory() = default;
    ~HostMemory();
    HostMemory(const HostMemory&) = delete;
    HostMemory& operator=(const HostMemory&) = delete;

    void* AllocateBlock(size_t size);
    bool DisposeBlock(void* block);
    size_t BlocksHeld() const { return blocks_.size(); }
    void* AllocateMemory(size_t size);
    bool DisposeMemory(void* memory);
    size_t MemoryHeld() const { return memory_.size(); }

private:
    std::map<void*, size_t> blocks_, memory_;
};

// The application around the plug-in: the desktop its platform layer reads, the host's folder,
// application contexts pushed and not yet popped (innermost last), access references and cursor
// resources held.
struct HostDesktop {
    DeskState desk;
    std::string hostFolder;  // folder type 0: holds the panel-bridge library
    std::vector<Id> contexts;
    int32_t accessHeld = 0;
    int32_t cursorResourcesHeld = 0;
};

// Objects the host hands out by handle (strings, parameter types and values, iterators,
// contexts) are kept here by id so a stale handle is caught. Lookup answers null for an id that
// is unknown, forgotten or of another type.
class HandleTable {
public:
    template <class T>
    Id Keep(std::shared_ptr<T> object) {
        Id id = NewId();
        objects_[id] = Kept{std::move(object), TypeTag<T>()};
        return id;
    }
    template <class T>
    T* Lookup(Id id) const {
        auto it = objects_.find(id);
        if (it == objects_.end() || it->second.type != TypeTag<T>()) return nullptr;
        return static_cast<T*>(it->second.object.get());
    }
    void Forget(Id id) { objects_.erase(id); }
    size_t KeptCount() const { return objects_.size(); }

private:
    struct Kept {
        std::shared_ptr<void> object;
        const void* type;
    };
    template <class T>
    static const void* TypeTag() {
        static const char tag = 0;
        return &tag;
    }
    std::map<Id, Kept> objects_;
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

    PluginRegistry& Registry() { return registry_; }
    const PluginRegistry& Registry() const { return registry_; }
    ActionRecorder& Actions() { return actions_; }
    const ActionRecorder& Actions() const { return actions_; }
    UserLog& Shown() { return shown_; }
    const UserLog& Shown() const { return shown_; }
    EffectInstances& Effects() { return effects_; }
    const EffectInstances& Effects() const { return effects_; }
    HostMemory& Memory() { return memory_; }
    const HostMemory& Memory() const { return memory_; }
    HostDesktop& Desktop() { return desktop_; }
    const HostDesktop& Desktop() const { return desktop_; }
    HandleTable& Handles() { return handles_; }
    const HandleTable& Handles() const { return handles_; }

    // A request context for a live-effect message (kept in Handles()).
    Id NewLiveEffectContext(Id effect, Id instance);
    // A parameter value for an action message (playback); the host disposes of it with
    // Handles().Forget.
    Id NewActionValue(const std::vector<ActionValue>& values);

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
    int64_t CallCount() const { return calls_; }
    // Calls with ids of objects that are gone, logged ("SB Art Suite.GetArtType: stale 42").
    const std::vector<std::string>& StaleHandleLog() const { return staleLog_; }
    void LogStale(const char* suite, const char* operation, Id id);

private:
    std::unique_ptr<Document> document_;
    PluginRegistry registry_;
    ActionRecorder actions_;
    UserLog shown_;
    EffectInstances effects_;
    HostMemory memory_;
    HostDesktop desktop_;
    HandleTable handles_;
    FaultInjector faults_;
    bool tracing_ = false;
    std::vector<std::string> trace_;
    std::vector<std::string> staleLog_;
    std::map<std::string, int32_t> acquired_, released_;
    int64_t calls_ = 0;
    friend struct SessionAccess;
};

}  // namespace scribera
