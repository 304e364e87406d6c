#include "studio/StudioSession.h"

#include "core/PluginHost.h"
#include "core/panels/PanelService.h"
#include "desk/Desk.h"
#include "io/Artwork.h"
#include "io/Dump.h"
#include "io/PngRender.h"
#include "io/SvgExport.h"
#include "io/SvgImport.h"
#include "io/SvgSyntax.h"
#include "studio/PluginIcons.h"

#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace scribera::studio {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kKeys[] = {"Up", "Down", "Left", "Right", "Escape", "C", "M", "P", "R", "T"};
const std::string kExtensionPrefix = "com.zarvo.";

Outcome Refused(const std::string& error) { return {false, error}; }

void Unselect(std::vector<io::ArtNode>& nodes) {
    for (io::ArtNode& n : nodes) {
        n.selected = false;
        Unselect(n.children);
    }
}

bool ReadText(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace

bool SvgDocumentSize(const std::string& text, double* width, double* height, std::string* error) {
    pugi::xml_document xml;
    if (!xml.load_buffer(text.data(), text.size())) {
        *error = "not an XML document";
        return false;
    }
    pugi::xml_node root = xml.document_element();
    if (std::string(root.name()) != "svg" && std::string(root.name()).find(":svg") == std::string::npos) {
        *error = "not an SVG document";
        return false;
    }
    double w = 100, h = 100;
    try {
        if (root.attribute("width")) w = std::fabs(io::ParseCoordinate(root.attribute("width").value(), 100, "width"));
        if (root.attribute("height"))
            h = std::fabs(io::ParseCoordinate(root.attribute("height").value(), 100, "height"));
    } catch (const std::exception& e) {
        *error = e.what();
        return false;
    } catch (...) {
        *error = "the SVG's width or height does not read";
        return false;
    }
    if (!std::isfinite(w) || !std::isfinite(h) || w <= 0 || h <= 0 || w > kLargestCoordinate ||
        h > kLargestCoordinate) {
        *error = "the SVG's width and height must be positive sizes";
        return false;
    }
    *width = w;
    *height = h;
    return true;
}

StudioSession::StudioSession() = default;

StudioSession::~StudioSession() {
    RefuseQuestions();
    player_.reset();  // shuts the plug-in down
    if (!scratch_.empty()) {
        std::error_code ec;
        fs::remove_all(scratch_, ec);
    }
}

bool StudioSession::Start(const StudioOptions& options, std::string* error) {
    double width = options.width, height = options.height;
    std::string svg;
    if (!options.svgFile.empty()) {
        if (!ReadText(options.svgFile, &svg)) {
            *error = options.svgFile + ": cannot be read";
            return false;
        }
        if (!SvgDocumentSize(svg, &width, &height, error)) {
            *error = options.svgFile + ": " + *error;
            return false;
        }
    }
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    std::random_device random;
    for (int attempt = 0; !ec && scratch_.empty() && attempt < 100; ++attempt) {
        const fs::path folder = base / ("scribera-studio-" + std::to_string(random()));
        if (fs::create_directory(folder, ec) && !ec) scratch_ = folder.string();
    }
    if (scratch_.empty()) {
        *error = "the studio cannot make a folder of its own in " + base.string();
        return false;
    }

    options_.pluginPath = options.pluginPath;
    options_.hostFolder = options.hostFolder;
    options_.sessionName = "scribera-studio";
    options_.temporaryProfile = true;
    options_.outputDir = scratch_;
    options_.scriptDir = scratch_;
    player_ = std::make_unique<cli::Player>(session_, options_);
    if (!player_->Start(error)) return false;
    if (!player_->RunWords({"document", NumberWord(width), NumberWord(height)}, error)) return false;
    if (!svg.empty()) {
        io::Artwork art;
        if (!io::ImportSvgText(svg, options.svgFile, height, &art, error)) return false;
        Unselect(art.art);
        // Setting up the document: no undo entry.
        if (io::AddToDocument(art, session_.Doc()) != SB_OK) {
            *error = options.svgFile + ": the document refused the art";
            return false;
        }
    }
    icons_ = ReadPluginIcons(options.pluginPath);
    session_.Shown().askPerson = [this](const std::string& question) { return Ask(question); };
    alertsSeen_ = session_.Shown().alerts.size();
    panelsSeen_ = session_.Shown().panels.size();
    return true;
}

Outcome StudioSession::Run(const Words& words) {
    std::string error;
    const bool ok = player_->RunWords(words, &error);
    CollectPanel();
    return ok ? Outcome{} : Refused(error);
}

void StudioSession::CollectPanel() {
    const auto& panels = session_.Shown().panels;
    if (panels.size() < panelsSeen_) panelsSeen_ = 0;
    for (; panelsSeen_ < panels.size(); ++panelsSeen_) {
        const PanelRecord& record = panels[panelsSeen_];
        OpenPanel open{record.extension, record.extension, record.sent};
        if (open.title.compare(0, kExtensionPrefix.size(), kExtensionPrefix) == 0)
            open.title = open.title.substr(kExtensionPrefix.size());
        // The shared mirror and cut panel is named after the tool that opened it.
        const Id selected = session_.Registry().selectedTool;
        for (const ToolRecord& t : session_.Registry().tools)
            if (t.id == selected && (t.name == "Mirror" || t.name == "Cut") && open.title == "MirrorCut")
                open.title = t.name;
        panel_ = open;
    }
}

Outcome StudioSession::Command(const Words& words) {
    if (player_->Host().Dragging() && words[0] != "drag" && words[0] != "up")
        return Refused("the mouse is down: finish the drag first");
    return Run(words);
}

Outcome StudioSession::ChooseTool(const std::string& name) {
    if (player_->Host().Dragging()) return Refused("the mouse is down: finish the drag first");
    if (name == kSelectTool) {
        Id& selected = session_.Registry().selectedTool;
        if (selected != kNoId) player_->Host().DeselectTool(selected);
        selected = kNoId;
        return {};
    }
    return Run({"tool", name});
}

void StudioSession::SetKeys(const std::set<std::string>& held) {
    DeskState& state = session_.Desktop().desk;
    for (const char* key : kKeys) {
        const bool want = held.count(key) > 0, has = keysHeld_.count(key) > 0;
        if (want && !has) desk::PressKey(state, desk::KeyCode(key));
        if (!want && has) desk::ReleaseKey(state, desk::KeyCode(key));
    }
    keysHeld_ = held;
}

Outcome StudioSession::Mouse(const MouseRequest& request) {
    if (session_.Registry().selectedTool == kNoId) return Refused("choose a tool first");
    const std::set<std::string> keys(request.keys.begin(), request.keys.end());
    player_->Host().SetModifiers(request.modifiers);
    const std::string x = NumberWord(request.x), y = NumberWord(request.y);
    Outcome outcome;
    switch (request.kind) {
        case MouseRequest::Kind::Down:
            // Keys count from the first drag step.
            SetKeys({});
            outcome = Run({"down", x, y});
            break;
        case MouseRequest::Kind::Drag:
            SetKeys(keys);
            outcome = Run({"drag", x, y});
            break;
        case MouseRequest::Kind::Up:
            SetKeys(keys);
            outcome = Run({"up", x, y});
            SetKeys({});
            break;
        case MouseRequest::Kind::Click:
            SetKeys({});
            outcome = Run({"click", x, y});
            break;
    }
    return outcome;
}

Outcome StudioSession::AnswerPanel(const std::string& type, const std::string& data) {
    if (!panel_) return Refused("no panel is open");
    const std::string extension = panel_->extension;
    if (type != PanelService::ParamsEventFor(extension) && type != PanelService::CancelEventFor(extension))
        return Refused("the open panel " + extension + " does not send " + type);
    panel_.reset();
    PanelService::Instance().QueueAnswer(extension, type, data);
    player_->Host().DeliverPanelEvents();
    CollectPanel();
    return {};
}

Outcome StudioSession::Import(const std::string& svgText) {
    if (player_->Host().Dragging()) return Refused("the mouse is down: finish the drag first");
    Document& doc = session_.Doc();
    io::Artwork art;
    std::string error;
    if (!io::ImportSvgText(svgText, "import.svg", doc.Height(), &art, &error)) return Refused(error);
    Unselect(art.art);
    doc.BeginTransaction();
    doc.SetUndoText("Undo Import", "Redo Import");
    const SBErr err = io::AddToDocument(art, doc);
    if (err != SB_OK) doc.RevertTransaction();
    doc.EndTransaction();
    if (err != SB_OK) return Refused("the document refused the art (code " + std::to_string(err) + ")");
    return {};
}

json StudioSession::State(const Outcome& outcome) {
    json state;
    state["ok"] = outcome.ok;
    if (!outcome.ok) state["error"] = outcome.error;
    json tools = json::array();
    const Id selected = session_.Registry().selectedTool;
    std::string current = kSelectTool;
    for (const ToolRecord& t : session_.Registry().tools) {
        tools.push_back({{"name", t.name}, {"title", t.title}, {"icon", icons_.count(t.icon) ? t.icon : 0}});
        if (t.id == selected) current = t.name;
    }
    state["tools"] = tools;
    state["tool"] = current;
    state["document"] = json::parse(io::DumpJson(session_), nullptr, false);
    Document& doc = session_.Doc();
    state["canUndo"] = doc.CanUndo();
    state["canRedo"] = doc.CanRedo();
    state["dragging"] = player_->Host().Dragging();
    state["recording"] = session_.Actions().recording;
    json actions = json::array();
    for (const RecordedAction& a : session_.Actions().recorded) actions.push_back(a.event);
    state["actions"] = actions;
    std::string preferences;
    state["preferences"] = io::ReadPreferences(session_, &preferences) ? json(preferences) : json();
    if (panel_)
        state["panel"] = {{"extension", panel_->extension}, {"title", panel_->title}, {"payload", panel_->payload}};
    else
        state["panel"] = nullptr;
    const auto& alerts = session_.Shown().alerts;
    if (alerts.size() < alertsSeen_) alertsSeen_ = 0;
    json shown = json::array();
    for (; alertsSeen_ < alerts.size(); ++alertsSeen_) shown.push_back(alerts[alertsSeen_]);
    state["alerts"] = shown;
    return state;
}

bool StudioSession::Ask(const std::string& question) {
    std::unique_lock<std::mutex> lock(questionMutex_);
    if (refuseQuestions_) return false;
    question_ = question;
    answer_.reset();
    // A page that never answers is taken as "no": the tools then take their step back.
    const bool answered = questionAnswered_.wait_for(lock, std::chrono::minutes(10),
                                                     [this] { return answer_.has_value() || refuseQuestions_; });
    const bool yes = answered && answer_.value_or(false);
    question_.reset();
    answer_.reset();
    return yes;
}

std::optional<std::string> StudioSession::PendingQuestion() {
    std::lock_guard<std::mutex> lock(questionMutex_);
    if (answer_) return std::nullopt;  // answered, the action goes on
    return question_;
}

bool StudioSession::AnswerQuestion(bool yes) {
    {
        std::lock_guard<std::mutex> lock(questionMutex_);
        if (!question_ || answer_) return false;
        answer_ = yes;
    }
    questionAnswered_.notify_all();
    return true;
}

void StudioSession::RefuseQuestions() {
    {
        std::lock_guard<std::mutex> lock(questionMutex_);
        refuseQuestions_ = true;
    }
    questionAnswered_.notify_all();
}

std::string StudioSession::DumpJson() { return io::DumpJson(session_); }

std::string StudioSession::SvgText() {
    Document& doc = session_.Doc();
    io::SvgPage page{doc.Width(), doc.Height(), doc.PageOrigin(), doc.View(), doc.ColourModel()};
    return io::ExportSvg(io::ReadDocument(doc), page);
}

bool StudioSession::PngBytes(std::string* bytes, std::string* error) {
    const std::string path = (fs::path(scratch_) / "document.png").string();
    if (!io::WritePng(session_.Doc(), io::PngOptions(), path, error)) return false;
    const bool read = ReadText(path, bytes);
    std::error_code ec;
    fs::remove(path, ec);
    if (!read) *error = "the picture cannot be read back";
    return read;
}

std::string StudioSession::Icon(int32_t id) const {
    auto it = icons_.find(id);
    return it == icons_.end() ? std::string() : it->second;
}

}  // namespace scribera::studio
