#include "core/Session.h"

#include "core/suites/Suites.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace scribera {

struct SessionAccess {
    static void Acquired(Session& s, const std::string& name) { ++s.acquired_[name]; }
    static bool Released(Session& s, const std::string& name) {
        if (s.acquired_[name] <= s.released_[name]) return false;
        ++s.released_[name];
        return true;
    }
};

namespace {

Session* gCurrent = nullptr;

// "SB Art Suite" and "SB Art" name the same suite.
std::string Normalise(std::string name) {
    auto strip = [](std::string s) {
        const std::string suffix = " Suite";
        if (s.size() > suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0)
            s.erase(s.size() - suffix.size());
        return s;
    };
    const size_t dot = name.find('.');
    if (dot == std::string::npos) return strip(name);
    std::string suite = strip(name.substr(0, dot));
    std::string op = name.substr(dot + 1);
    const size_t colon = op.find(':');
    if (colon != std::string::npos) op = op.substr(0, colon + 1) + strip(op.substr(colon + 1));
    return suite + "." + op;
}

SBErr AcquireSuite(const char* name, int32_t version, const void** suite) {
    if (!Session::HasCurrent()) return SB_ERR_CANT;
    Session& s = Session::Current();
    if (!name || !suite) return SB_ERR_BAD_PARAM;
    const std::string op = std::string("AcquireSuite:") + name;
    if (SBErr e = s.Enter("Basic", op.c_str())) return e;
    const void* table = FindSuite(name, version);
    if (!table) return SB_ERR_NO_SUITE;
    *suite = table;
    SessionAccess::Acquired(s, name);
    return SB_OK;
}

SBErr ReleaseSuite(const char* name, int32_t version) {
    if (!Session::HasCurrent()) return SB_ERR_CANT;
    Session& s = Session::Current();
    if (!name) return SB_ERR_BAD_PARAM;
    const std::string op = std::string("ReleaseSuite:") + name;
    if (SBErr e = s.Enter("Basic", op.c_str())) return e;
    if (!FindSuite(name, version)) return SB_ERR_NO_SUITE;
    if (!SessionAccess::Released(s, name)) return SB_ERR_BAD_PARAM;  // never acquired
    return SB_OK;
}

const SBBasicSuite kBasic = {AcquireSuite, ReleaseSuite};

}  // namespace

void FaultInjector::Arm(const std::string& operation, int32_t nth, SBErr code) {
    if (nth < 1) nth = 1;
    faults_.push_back(Fault{operation == "*" ? operation : Normalise(operation), nth, code});
}

std::vector<std::pair<std::string, int32_t>> FaultInjector::Pending() const {
    std::vector<std::pair<std::string, int32_t>> out;
    for (const Fault& f : faults_) out.emplace_back(f.operation, f.remaining);
    return out;
}

void FaultInjector::Clear() {
    faults_.clear();
    fired_.clear();
}

SBErr FaultInjector::Check(const char* suite, const char* operation) {
    if (faults_.empty()) return 0;
    const std::string full = std::string(suite) + "." + operation;
    const std::string name = Normalise(full);
    for (size_t i = 0; i < faults_.size(); ++i) {
        Fault& f = faults_[i];
        if (f.operation != "*" && f.operation != name) continue;
        if (--f.remaining > 0) continue;
        const SBErr code = f.code;
        faults_.erase(faults_.begin() + long(i));
        fired_.push_back(full);
        return code;
    }
    return 0;
}

namespace {

// A drag step frees and allocates the same few large arrays again and again (a long path's
// anchors, its copies, the journal's records). By default the C library hands such memory back
// to the system at once and faults it in afresh on the next step, which on a long path costs more
// than the geometry. An application keeps it, as drawing applications do with their own heaps.
void KeepFreedMemory() {
#if defined(__GLIBC__)
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    });
#endif
}

}  // namespace

Session::Session() : document_(std::make_unique<Document>(612, 792)) {
    KeepFreedMemory();
    if (!gCurrent) gCurrent = this;
}

Session::~Session() {
    if (gCurrent == this) gCurrent = nullptr;
}

Session& Session::Current() {
    if (!gCurrent) std::abort();  // a suite called with no session: a host bug, not plug-in input
    return *gCurrent;
}

bool Session::HasCurrent() { return gCurrent != nullptr; }
void Session::MakeCurrent() { gCurrent = this; }

void Session::NewDocument(double width, double height) { document_ = std::make_unique<Document>(width, height); }

const SBBasicSuite* Session::BasicSuite() const { return &kBasic; }

int32_t Session::AcquireCount(const std::string& suite) const {
    auto it = acquired_.find(suite);
    return it == acquired_.end() ? 0 : it->second;
}
int32_t Session::ReleaseCount(const std::string& suite) const {
    auto it = released_.find(suite);
    return it == released_.end() ? 0 : it->second;
}
int32_t Session::SuitesHeld() const {
    int32_t n = 0;
    for (auto& a : acquired_) n += a.second;
    for (auto& r : released_) n -= r.second;
    return n;
}

SBErr Session::Enter(const char* suite, const char* operation) {
    ++calls_;
    if (tracing_) trace_.push_back(std::string(suite) + "." + operation);
    return faults_.Check(suite, operation);
}

void Session::LogStale(const char* suite, const char* operation, Id id) {
    staleLog_.push_back(std::string(suite) + "." + operation + ": stale " + std::to_string(id));
}

Id EffectInstances::NewInstance() {
    Id id = NewId();
    instances[id];
    return id;
}

Id Session::NewLiveEffectContext(Id effect, Id instance) {
    auto c = std::make_shared<LiveEffectContextData>();
    c->effect = effect;
    c->instance = instance;
    return handles_.Keep(c);
}

Id Session::NewActionValue(const std::vector<ActionValue>& values) {
    auto v = std::make_shared<ActionParamValueData>();
    v->values = values;
    return handles_.Keep(v);
}

HostMemory::~HostMemory() {
    for (auto& b : blocks_) std::free(b.first);
    for (auto& m : memory_) std::free(m.first);
}

void* HostMemory::AllocateBlock(size_t size) {
    void* p = std::calloc(size ? size : 1, 1);
    if (p) blocks_[p] = size;
    return p;
}
bool HostMemory::DisposeBlock(void* block) {
    auto it = blocks_.find(block);
    if (it == blocks_.end()) return false;
    std::free(block);
    blocks_.erase(it);
    return true;
}
void* HostMemory::AllocateMemory(size_t size) {
    void* p = std::calloc(size ? size : 1, 1);
    if (p) memory_[p] = size;
    return p;
}
bool HostMemory::DisposeMemory(void* memory) {
    auto it = memory_.find(memory);
    if (it == memory_.end()) return false;
    std::free(memory);
    memory_.erase(it);
    return true;
}

}  // namespace scribera
