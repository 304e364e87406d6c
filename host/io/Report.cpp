#include "io/Report.h"

#include "core/panels/PanelService.h"
#include "io/Artwork.h"
#include "io/Json.h"
#include "io/SvgExport.h"
#include "io/TextFile.h"

#include <cstdio>
#include <filesystem>
#if !defined(_WIN32)
#include <link.h>
#endif
#include <set>

namespace scribera::io {

namespace {

namespace fs = std::filesystem;

const char* KindName(ArtKind kind) {
    switch (kind) {
        case ArtKind::Group:
            return "group";
        case ArtKind::Path:
            return "path";
        case ArtKind::Compound:
            return "compound";
        case ArtKind::Text:
            return "text";
        case ArtKind::Placed:
            return "placed";
        case ArtKind::Raster:
            return "raster";
        case ArtKind::Symbol:
            return "symbol";
        case ArtKind::PluginArt:
            return "plugin";
        case ArtKind::Mesh:
            return "mesh";
        case ArtKind::Layer:
            return "layer";
    }
    return "unknown";
}

class Walker {
public:
    explicit Walker(const Document& doc) : doc_(doc) {}

    TreeWalk Run() {
        for (Id layer : doc_.LayerGroups()) {
            const Art* a = doc_.Find(layer);
            if (!a) {
                Problem(layer, "a layer group that is gone");
                continue;
            }
            if (a->parent != kNoId) Problem(layer, "a layer group with parent " + std::to_string(a->parent));
            Visit(*a);
        }
        // An object whose parent links lead to a layer counts as live; every one must be reached
        // from its parent's children. Ids are never reused, so the next one bounds them all.
        const Id bound = NewId();
        if (bound < kMaxScannedIds)
            for (Id id = 1; id < bound; ++id)
                if (doc_.Find(id) && !seen_.count(id)) Problem(id, "live, but not among its parent's children");
        return walk_;
    }

private:
    // Iterative, as the document's own walks: deep nesting must not exhaust the stack.
    void Visit(const Art& root) {
        std::vector<const Art*> stack{&root};
        while (!stack.empty()) {
            const Art& a = *stack.back();
            stack.pop_back();
            if (!seen_.insert(a.id).second) {
                Problem(a.id, "reached twice (a cycle or a shared child)");
                continue;
            }
            ++walk_.objects;
            CheckEmpty(a);
            Id prior = kNoId, child = a.firstChild;
            size_t guard = 0;
            while (child != kNoId) {
                const Art* c = doc_.Find(child);
                if (!c) {
                    Problem(a.id, "child " + std::to_string(child) + " is gone");
                    break;
                }
                if (c->parent != a.id)
                    Problem(child, "parent link names " + std::to_string(c->parent) + ", listed under " +
                                       std::to_string(a.id));
                if (c->prev != prior)
                    Problem(child, "sibling above names " + std::to_string(c->prev) + ", found below " +
                                       std::to_string(prior));
                if (++guard > kMaxChildren || seen_.count(child)) {
                    Problem(a.id, "the sibling chain loops");
                    break;
                }
                stack.push_back(c);
                prior = child;
                child = c->next;
            }
            if (a.lastChild != prior)
                Problem(a.id, "last child names " + std::to_string(a.lastChild) + ", the chain ends at " +
                                  std::to_string(prior));
        }
    }

    void CheckEmpty(const Art& a) {
        const bool container = a.kind == ArtKind::Group || a.kind == ArtKind::Compound;
        if (a.kind == ArtKind::Path && a.segments.empty())
            walk_.emptyArt.push_back({a.id, "path without anchors"});
        else if (container && a.firstChild == kNoId)
            walk_.emptyArt.push_back({a.id, std::string(KindName(a.kind)) + " without content"});
    }

    void Problem(Id id, const std::string& what) { walk_.problems.push_back({id, what}); }

    static constexpr size_t kMaxChildren = 100000000;
    static constexpr Id kMaxScannedIds = 20000000;
    const Document& doc_;
    TreeWalk walk_;
    std::set<Id> seen_;
};

// Shared objects the process holds from the host's folder: the panel-bridge library.
std::vector<std::string> LibrariesFrom(const std::string& folder) {
#if defined(_WIN32)
    // The Windows host lists no modules: its reports leave this part empty.
    (void)folder;
    return {};
#else
    struct Search {
        fs::path folder;
        std::vector<std::string> found;
    } search;
    std::error_code ec;
    search.folder = fs::weakly_canonical(folder, ec);
    if (folder.empty() || ec) return {};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            if (!info->dlpi_name || !*info->dlpi_name) return 0;
            std::error_code e;
            const fs::path path = fs::weakly_canonical(info->dlpi_name, e);
            if (!e && path.parent_path() == s->folder) s->found.push_back(path.string());
            return 0;
        },
        &search);
    return search.found;
#endif
}

// FNV-1a of the document's artwork as the host saves it: equal art, equal digest.
std::string ArtDigest(Document& doc) {
    const SvgPage page{doc.Width(), doc.Height(), doc.PageOrigin(), doc.View(), doc.ColourModel()};
    const std::string svg = ExportSvg(ReadDocument(doc), page);
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : svg) h = (h ^ c) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

void Findings(JsonWriter& w, const std::vector<TreeFinding>& findings, const Document& doc) {
    w.BeginArray();
    for (const TreeFinding& f : findings) {
        w.BeginObject().Key("id").Integer(static_cast<int64_t>(f.art));
        if (const Art* a = doc.Find(f.art))
            w.Key("kind").String(KindName(a->kind)).Key("parent").Integer(int64_t(a->parent));
        w.Key("what").String(f.what).EndObject();
    }
    w.EndArray();
}

void Strings(JsonWriter& w, const std::vector<std::string>& list) {
    w.BeginArray();
    for (const std::string& s : list) w.String(s);
    w.EndArray();
}

}  // namespace

TreeWalk WalkTree(const Document& doc) { return Walker(doc).Run(); }

std::string ReportJson(Session& session, const ReportContext& context) {
    Document& doc = session.Doc();
    const TreeWalk walk = WalkTree(doc);
    const std::vector<std::string> libraries = LibrariesFrom(session.Desktop().hostFolder);
    JsonWriter w;
    w.BeginObject();
    w.NewLine().Key("exitCode").Integer(context.exitCode);
    w.NewLine().Key("error").String(context.error);
    w.NewLine().Key("calls").Integer(session.CallCount());
    w.NewLine().Key("faultsFired");
    Strings(w, session.Faults().Fired());
    w.NewLine().Key("faultsPending").BeginArray();
    for (const auto& [operation, nth] : session.Faults().Pending())
        w.BeginObject().Key("operation").String(operation).Key("nth").Integer(nth).EndObject();
    w.EndArray();
    w.NewLine().Key("staleHandles");
    Strings(w, session.StaleHandleLog());
    w.NewLine().Key("alerts");
    Strings(w, session.Shown().alerts);
    w.NewLine().Key("results").BeginArray();
    for (const MessageResult& r : session.Shown().results)
        w.BeginObject()
            .Key("caller")
            .String(r.caller)
            .Key("selector")
            .String(r.selector)
            .Key("result")
            .Integer(r.result)
            .EndObject();
    w.EndArray();

    const HostDesktop& desktop = session.Desktop();
    const HostMemory& memory = session.Memory();
    w.NewLine().Key("held").BeginObject();
    w.Key("pluginRunning").Bool(context.pluginRunning);
    w.Key("suites").Integer(session.SuitesHeld());
    w.Key("cursors").Integer(desktop.cursorResourcesHeld);
    w.Key("contexts").Integer(static_cast<int64_t>(desktop.contexts.size()));
    w.Key("access").Integer(desktop.accessHeld);
    w.Key("libraries");
    Strings(w, libraries);
    w.Key("blocks").Integer(static_cast<int64_t>(memory.BlocksHeld()));
    w.Key("memory").Integer(static_cast<int64_t>(memory.MemoryHeld()));
    w.Key("handles").Integer(static_cast<int64_t>(session.Handles().KeptCount()));
    w.Key("panelListeners").Integer(static_cast<int64_t>(PanelService::Instance().ListenerCount()));
    w.EndObject();
    const bool clean = !context.pluginRunning && session.SuitesHeld() == 0 && desktop.cursorResourcesHeld == 0 &&
                       desktop.contexts.empty() && desktop.accessHeld == 0 && libraries.empty() &&
                       memory.BlocksHeld() == 0 && memory.MemoryHeld() == 0 && session.Handles().KeptCount() == 0 &&
                       PanelService::Instance().ListenerCount() == 0;
    w.NewLine().Key("nothingHeld").Bool(clean);

    w.NewLine().Key("tree").BeginObject();
    w.Key("objects").Integer(static_cast<int64_t>(walk.objects));
    w.Key("problems");
    Findings(w, walk.problems, doc);
    w.Key("emptyArt");
    Findings(w, walk.emptyArt, doc);
    w.EndObject();
    w.NewLine().Key("undo");
    Strings(w, doc.UndoNames());
    w.NewLine().Key("artDigest").String(ArtDigest(doc));
    w.EndObject();
    return w.Text() + "\n";
}

bool WriteReport(Session& session, const ReportContext& context, const std::string& path, std::string* error) {
    return WriteTextFile(path, ReportJson(session, context), error);
}

}  // namespace scribera::io
