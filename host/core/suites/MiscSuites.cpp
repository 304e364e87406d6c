// The basic table's suites, memory, host text, folders and the runtime.
#include "core/suites/SuiteTables.h"
#include "core/suites/SuiteUtil.h"

#include <cstring>
#include <memory>

namespace scribera::suites {

std::string SystemToUtf8(const char* text) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p < 0x80) {
            out += char(*p);
        } else {
            out += char(0xC0 | (*p >> 6));
            out += char(0x80 | (*p & 0x3F));
        }
    }
    return out;
}

namespace {
struct AccessRecord {
    SBPluginRef plugin;
};
struct ContextRecord {
    SBPluginRef plugin;
};
struct CursorRecord {
    SBPluginRef plugin;
};
}  // namespace

namespace access {
constexpr const char* kSuite = kSBAccessSuite;

SBErr AcquirePlugin(SBPluginRef plugin, SBAccessRef* out) {
    SB_ENTER();
    SB_NEED(plugin && out);
    *out = ToHandle<SBAccessRef>(S.Handles().Keep(std::make_shared<AccessRecord>(AccessRecord{plugin})));
    ++S.Desktop().accessHeld;
    return SB_OK;
}

SBErr ReleasePlugin(SBAccessRef ref) {
    SB_ENTER();
    SB_KEPT(AccessRecord, a, ref);
    (void)a;
    S.Handles().Forget(FromHandle(ref));
    --S.Desktop().accessHeld;
    return SB_OK;
}

SB_SUITE_TABLE(SBAccessSuite, AcquirePlugin, ReleasePlugin);
}  // namespace access

namespace plugins {
constexpr const char* kSuite = kSBPluginsSuite;

SBErr SetPluginName(SBPluginRef plugin, const char* name) {
    SB_ENTER();
    SB_NEED(plugin && name);
    S.Registry().pluginName = name;
    return SB_OK;
}

SBErr GetPluginName(SBPluginRef plugin, const char** name) {
    SB_ENTER();
    SB_NEED(plugin && name);
    *name = S.Registry().pluginName.c_str();
    return SB_OK;
}

SB_SUITE_TABLE(SBPluginsSuite, SetPluginName, GetPluginName);
}  // namespace plugins

namespace notifier {
constexpr const char* kSuite = kSBNotifierSuite;

SBErr AddNotifier(SBPluginRef plugin, const char* name, const char* type, SBNotifierHandle* out) {
    SB_ENTER();
    SB_NEED(plugin && name && type);
    NotifierRecord r;
    r.id = NewId();
    r.plugin = plugin;
    r.name = name;
    r.type = type;
    S.Registry().notifiers.push_back(r);
    if (out) *out = ToHandle<SBNotifierHandle>(r.id);
    return SB_OK;
}

SB_SUITE_TABLE(SBNotifierSuite, AddNotifier);
}  // namespace notifier

namespace context {
constexpr const char* kSuite = kSBContextSuite;

SBErr PushAppContext(SBPluginRef plugin, SBAppContext* out) {
    SB_ENTER();
    SB_NEED(plugin && out);
    Id id = S.Handles().Keep(std::make_shared<ContextRecord>(ContextRecord{plugin}));
    S.Desktop().contexts.push_back(id);
    *out = ToHandle<SBAppContext>(id);
    return SB_OK;
}

// Contexts nest: only the innermost may be popped.
SBErr PopAppContext(SBAppContext ctx) {
    SB_ENTER();
    SB_KEPT(ContextRecord, c, ctx);
    (void)c;
    if (S.Desktop().contexts.empty() || S.Desktop().contexts.back() != FromHandle(ctx)) return SB_ERR_BAD_PARAM;
    S.Desktop().contexts.pop_back();
    S.Handles().Forget(FromHandle(ctx));
    return SB_OK;
}

SB_SUITE_TABLE(SBContextSuite, PushAppContext, PopAppContext);
}  // namespace context

namespace user {
constexpr const char* kSuite = kSBUserSuite;

SBErr ErrorAlert(SBUnicodeStringRef text) {
    SB_ENTER();
    SB_KEPT(std::string, t, text);
    S.Shown().alerts.push_back(*t);
    return SB_OK;
}

SBErr QuestionAlert(SBUnicodeStringRef text, int32_t* answer) {
    SB_ENTER();
    SB_NEED(answer);
    SB_KEPT(std::string, t, text);
    bool yes = true;
    if (!S.Shown().scriptedAnswers.empty()) {
        yes = S.Shown().scriptedAnswers.front();
        S.Shown().scriptedAnswers.pop_front();
    } else if (S.Shown().askPerson) {
        yes = S.Shown().askPerson(*t);
    }
    S.Shown().questions.push_back(QuestionRecord{*t, yes});
    *answer = yes ? 1 : 0;
    return SB_OK;
}

SBErr CreateCursorResourceManager(SBPluginRef plugin, SBCursorResource* out) {
    SB_ENTER();
    SB_NEED(plugin && out);
    *out = ToHandle<SBCursorResource>(S.Handles().Keep(std::make_shared<CursorRecord>(CursorRecord{plugin})));
    ++S.Desktop().cursorResourcesHeld;
    return SB_OK;
}

SBErr DisposeCursorResourceManager(SBCursorResource resource) {
    SB_ENTER();
    SB_KEPT(CursorRecord, c, resource);
    (void)c;
    S.Handles().Forget(FromHandle(resource));
    --S.Desktop().cursorResourcesHeld;
    return SB_OK;
}

SB_SUITE_TABLE(SBUserSuite, ErrorAlert, QuestionAlert, CreateCursorResourceManager, DisposeCursorResourceManager);
}  // namespace user

namespace folders {
constexpr const char* kSuite = kSBFoldersSuite;

SBErr FindFolder(int32_t type, SBBool /*createIfMissing*/, char* path, int32_t size) {
    SB_ENTER();
    SB_NEED(path && size > 0);
    if (type != 0) return SB_ERR_BAD_PARAM;  // the only folder the host knows
    const std::string& folder = S.Desktop().hostFolder;
    if (folder.size() + 1 > size_t(size)) return SB_ERR_RANGE;
    std::memcpy(path, folder.c_str(), folder.size() + 1);
    return SB_OK;
}

SB_SUITE_TABLE(SBFoldersSuite, FindFolder);
}  // namespace folders

namespace blocks {  // XQ Blocks Suite
constexpr const char* kSuite = kSBBlocksSuite;

SBErr AllocateBlock(size_t size, void** block) {
    SB_ENTER();
    SB_NEED(block);
    *block = S.Memory().AllocateBlock(size);
    return *block ? SB_OK : SB_ERR_MEMORY;
}

SBErr DisposeBlock(void* block) {
    SB_ENTER();
    SB_NEED(block);
    return S.Memory().DisposeBlock(block) ? SB_OK : SB_ERR_BAD_PARAM;
}

SB_SUITE_TABLE(SBBlocksSuite, AllocateBlock, DisposeBlock);
}  // namespace blocks

namespace block {  // SB Block Suite
constexpr const char* kSuite = kSBBlockSuite;

SBErr AllocateBlock(size_t size, void** out) {
    SB_ENTER();
    SB_NEED(out);
    *out = S.Memory().AllocateBlock(size);
    return *out ? SB_OK : SB_ERR_MEMORY;
}

SBErr DisposeBlock(void* b) {
    SB_ENTER();
    SB_NEED(b);
    return S.Memory().DisposeBlock(b) ? SB_OK : SB_ERR_BAD_PARAM;
}

SB_SUITE_TABLE(SBBlockSuite, AllocateBlock, DisposeBlock);
}  // namespace block

namespace unicode {
constexpr const char* kSuite = kSBUnicodeStringSuite;

SBErr NewFromSystemText(const char* text, SBUnicodeStringRef* out) {
    SB_ENTER();
    SB_NEED(text && out);
    *out = ToHandle<SBUnicodeStringRef>(S.Handles().Keep(std::make_shared<std::string>(SystemToUtf8(text))));
    return SB_OK;
}

SBErr GetUTF8(SBUnicodeStringRef string, const char** text) {
    SB_ENTER();
    SB_NEED(text);
    SB_KEPT(std::string, s, string);
    *text = s->c_str();
    return SB_OK;
}

SBErr Dispose(SBUnicodeStringRef string) {
    SB_ENTER();
    SB_KEPT(std::string, s, string);
    (void)s;
    S.Handles().Forget(FromHandle(string));
    return SB_OK;
}

SB_SUITE_TABLE(SBUnicodeStringSuite, NewFromSystemText, GetUTF8, Dispose);
}  // namespace unicode

namespace runtime {
constexpr const char* kSuite = kSBRuntimeSuite;

SBErr StartupNotification(int32_t kind, const char* text, void* hostData) {
    SB_ENTER();
    SB_NEED(text);
    if (hostData != &S) return SB_ERR_BAD_PARAM;
    (void)kind;
    S.Registry().startupTexts.push_back(text);
    return SB_OK;
}

SBErr GetAppRuntimeProcs(SBRuntimeProcs* procs) {
    SB_ENTER();
    SB_NEED(procs);
    procs->hostData = &S;
    procs->StartupNotification = StartupNotification;
    return SB_OK;
}

SB_SUITE_TABLE(SBRuntimeSuite, GetAppRuntimeProcs);
}  // namespace runtime

// Suites acquired and never called: a table whose one slot is null.
const SBFilePathSuite kFilePath = {nullptr};
const SBFilterSuite kFilter = {nullptr};
const SBRandomSuite kRandom = {nullptr};
const SBStringFormatUtilsSuite kStringFormat = {nullptr};

SuiteTable AccessTable() { return {&access::kTable, access::kOperations}; }
SuiteTable PluginsTable() { return {&plugins::kTable, plugins::kOperations}; }
SuiteTable NotifierTable() { return {&notifier::kTable, notifier::kOperations}; }
SuiteTable ContextTable() { return {&context::kTable, context::kOperations}; }
SuiteTable UserTable() { return {&user::kTable, user::kOperations}; }
SuiteTable FoldersTable() { return {&folders::kTable, folders::kOperations}; }
SuiteTable BlocksTable() { return {&blocks::kTable, blocks::kOperations}; }
SuiteTable BlockTable() { return {&block::kTable, block::kOperations}; }
SuiteTable UnicodeStringTable() { return {&unicode::kTable, unicode::kOperations}; }
SuiteTable RuntimeTable() { return {&runtime::kTable, runtime::kOperations}; }
SuiteTable FilePathTable() { return {&kFilePath, ""}; }
SuiteTable FilterTable() { return {&kFilter, ""}; }
SuiteTable RandomTable() { return {&kRandom, ""}; }
SuiteTable StringFormatUtilsTable() { return {&kStringFormat, ""}; }

}  // namespace scribera::suites
