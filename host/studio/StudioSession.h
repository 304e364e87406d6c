// The studio's one session: a document with the plug-in loaded through PluginMain, driven by what
// the page asks for. Every action is played as the script command it stands for, so the page and
// the scenario scripts share one checked path. One caller at a time (the server serialises).
#pragma once

#include "cli/Script.h"
#include "core/Session.h"
#include "studio/StudioRequests.h"

#include <nlohmann/json.hpp>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace scribera::studio {

struct StudioOptions {
    std::string pluginPath;
    std::string hostFolder;  // the bridge library's folder; empty: the program's
    std::string svgFile;     // opened at start: the document takes its size
    double width = 800, height = 600;  // the document without a file
};

// What one request did: the error for the page when it was refused.
struct Outcome {
    bool ok = true;
    std::string error;
};

class StudioSession {
public:
    static constexpr const char* kSelectTool = "Select";

    StudioSession();
    ~StudioSession();

    bool Start(const StudioOptions& options, std::string* error);

    Outcome Command(const Words& words);
    Outcome ChooseTool(const std::string& name);
    Outcome Mouse(const MouseRequest& request);
    // The open panel's parameters or cancel event, as the panel sends it.
    Outcome AnswerPanel(const std::string& type, const std::string& data);
    Outcome Import(const std::string& svgText);

    // The page's view of the session; `outcome` adds its error and the alerts shown since the last
    // state.
    nlohmann::json State(const Outcome& outcome);
    std::string DumpJson();
    std::string SvgText();
    bool PngBytes(std::string* bytes, std::string* error);
    // An icon by resource id, empty when there is none.
    std::string Icon(int32_t id) const;

    std::mutex& Mutex() { return mutex_; }

    // The plug-in's yes/no question waiting for the page, if any; safe without the session's lock.
    std::optional<std::string> PendingQuestion();
    // The page's answer to the waiting question; false when none waits.
    bool AnswerQuestion(bool yes);
    // Answers "no" to a question that waits and to every later one (the studio is stopping).
    void RefuseQuestions();

private:
    struct OpenPanel {
        std::string extension, title, payload;
    };
    Outcome Run(const Words& words);
    void SetKeys(const std::set<std::string>& held);
    // Notes a panel the plug-in opened during the last action.
    void CollectPanel();

    bool Ask(const std::string& question);

    std::mutex mutex_;
    // The question the plug-in asks while a request holds the session: the page reads and answers
    // it through other requests.
    std::mutex questionMutex_;
    std::condition_variable questionAnswered_;
    std::optional<std::string> question_;
    std::optional<bool> answer_;
    bool refuseQuestions_ = false;
    Session session_;
    cli::PlayOptions options_;
    std::unique_ptr<cli::Player> player_;
    std::map<int32_t, std::string> icons_;
    std::set<std::string> keysHeld_;
    std::optional<OpenPanel> panel_;
    size_t panelsSeen_ = 0, alertsSeen_ = 0;
    std::string scratch_;  // a folder of the studio's own for pictures
};

// The width and height an SVG file gives a document; false with the reason.
bool SvgDocumentSize(const std::string& text, double* width, double* height, std::string* error);

}  // namespace scribera::studio
