#include "studio/StudioServer.h"

#include "core/PluginHost.h"
#include "studio/StudioRequests.h"

#include <httplib.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <ostream>
#include <thread>

namespace scribera::studio {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kJson = "application/json";

void Reply(httplib::Response& res, int status, const json& body) {
    res.status = status;
    res.set_content(body.dump(), kJson);
}

void Problem(httplib::Response& res, int status, const std::string& message) {
    Reply(res, status, json{{"ok", false}, {"error", message}});
}

// The body as a JSON object, or a 400 already answered.
bool Body(const httplib::Request& req, httplib::Response& res, json* out) {
    if (req.body.size() > kLargestBody) {
        Problem(res, 413, "the body is larger than 1 MB");
        return false;
    }
    json body = req.body.empty() ? json::object() : json::parse(req.body, nullptr, false);
    if (body.is_discarded() || !body.is_object()) {
        Problem(res, 400, "the body must be a JSON object");
        return false;
    }
    *out = std::move(body);
    return true;
}

}  // namespace

StudioServer::StudioServer(StudioSession& session, const ServerOptions& options)
    : session_(session), options_(options), server_(std::make_unique<httplib::Server>()) {
    // The session's lock lets one action at a time reach the plug-in, as the application's one
    // thread does; another thread answers the page while a question holds an action open. A
    // browser keeps a few connections open, each holding a thread a short while: enough threads.
    server_->new_task_queue = [] { return new httplib::ThreadPool(8); };
    server_->set_keep_alive_timeout(2);
    server_->set_payload_max_length(kLargestBody);
    Routes();
}

StudioServer::~StudioServer() = default;

void StudioServer::Routes() {
    httplib::Server& s = *server_;
    s.set_mount_point("/studio", options_.pageFolder);
    s.set_mount_point("/extensions", options_.extensionsFolder);
    s.Get("/", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/studio/index.html"); });

    s.Get("/state", [this](const httplib::Request&, httplib::Response& res) {
        std::lock_guard<std::mutex> lock(session_.Mutex());
        Reply(res, 200, session_.State({}));
    });
    s.Get("/document.json", [this](const httplib::Request&, httplib::Response& res) {
        std::lock_guard<std::mutex> lock(session_.Mutex());
        res.set_content(session_.DumpJson(), kJson);
    });
    s.Get("/document.svg", [this](const httplib::Request&, httplib::Response& res) {
        std::lock_guard<std::mutex> lock(session_.Mutex());
        res.set_header("Content-Disposition", "attachment; filename=\"document.svg\"");
        res.set_content(session_.SvgText(), "image/svg+xml");
    });
    s.Get("/document.png", [this](const httplib::Request&, httplib::Response& res) {
        std::lock_guard<std::mutex> lock(session_.Mutex());
        std::string bytes, error;
        if (!session_.PngBytes(&bytes, &error)) return Problem(res, 500, error);
        res.set_header("Content-Disposition", "attachment; filename=\"document.png\"");
        res.set_content(bytes, "image/png");
    });
    // The plug-in's question, while an action waits for it (no session lock: the action holds it).
    s.Get("/question", [this](const httplib::Request&, httplib::Response& res) {
        const auto question = session_.PendingQuestion();
        Reply(res, 200, json{{"question", question ? json(*question) : json()}});
    });
    s.Post("/answer", [this](const httplib::Request& req, httplib::Response& res) {
        json body;
        if (!Body(req, res, &body)) return;
        auto yes = body.find("yes");
        if (yes == body.end() || !yes->is_boolean()) return Problem(res, 400, "'yes' must be true or false");
        if (!session_.AnswerQuestion(yes->get<bool>())) return Problem(res, 409, "no question is waiting");
        Reply(res, 200, json{{"ok", true}});
    });
    s.Get(R"(/icons/(\d{1,9})\.png)", [this](const httplib::Request& req, httplib::Response& res) {
        const std::string png = session_.Icon(std::stoi(req.matches[1].str()));
        if (png.empty()) return Problem(res, 404, "no such icon");
        res.set_content(png, "image/png");
    });

    // Every action: read the body, act under the session's lock, answer with the new state.
    using Action = std::function<Outcome(const json&, std::string*, bool*)>;
    auto post = [this, &s](const char* route, Action action) {
        s.Post(route, [this, action](const httplib::Request& req, httplib::Response& res) {
            json body;
            if (!Body(req, res, &body)) return;
            std::lock_guard<std::mutex> lock(session_.Mutex());
            std::string error;
            bool malformed = false;
            const Outcome outcome = action(body, &error, &malformed);
            if (malformed) return Problem(res, 400, error);
            Reply(res, 200, session_.State(outcome));
        });
    };
    auto words = [this](bool (*read)(const json&, Words*, std::string*)) {
        return [this, read](const json& body, std::string* error, bool* malformed) {
            Words w;
            if (!read(body, &w, error)) {
                *malformed = true;
                return Outcome{};
            }
            return session_.Command(w);
        };
    };
    post("/tool", [this](const json& body, std::string* error, bool* malformed) {
        std::string name;
        if (!ReadName(body, &name, error)) return *malformed = true, Outcome{};
        return session_.ChooseTool(name);
    });
    post("/edit-options", [this](const json&, std::string*, bool*) { return session_.Command({"edit-options"}); });
    post("/mouse", [this](const json& body, std::string* error, bool* malformed) {
        MouseRequest m;
        if (!ReadMouse(body, &m, error)) return *malformed = true, Outcome{};
        return session_.Mouse(m);
    });
    post("/panel", [this](const json& body, std::string* error, bool* malformed) {
        std::string type, data;
        if (!ReadPanelAnswer(body, &type, &data, error)) return *malformed = true, Outcome{};
        return session_.AnswerPanel(type, data);
    });
    post("/import", [this](const json& body, std::string* error, bool* malformed) {
        auto svg = body.find("svg");
        if (svg == body.end() || !svg->is_string()) {
            *error = "'svg' must be the file's text";
            return *malformed = true, Outcome{};
        }
        return session_.Import(svg->get<std::string>());
    });
    post("/undo", [this](const json&, std::string*, bool*) { return session_.Command({"undo"}); });
    post("/redo", [this](const json&, std::string*, bool*) { return session_.Command({"redo"}); });
    post("/select", words(ReadSelect));
    post("/paint", words(ReadPaint));
    post("/effect", words(ReadEffect));
    post("/record", words(ReadRecord));
    post("/play", words(ReadPlay));

    s.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
        std::string what = "unexpected failure";
        try {
            if (ep) std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        Problem(res, 500, what);
    });
    s.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.status == 413) Problem(res, 413, "the body is larger than 1 MB");
        else if (res.body.empty()) Problem(res, res.status, "no such route");
    });
}

int StudioServer::Bind(std::string* error) {
    const int port = options_.port == 0 ? server_->bind_to_any_port("127.0.0.1")
                                        : (server_->bind_to_port("127.0.0.1", options_.port) ? options_.port : -1);
    if (port < 0) *error = "cannot listen on 127.0.0.1:" + std::to_string(options_.port);
    return port;
}

void StudioServer::Serve() { server_->listen_after_bind(); }

void StudioServer::Stop() {
    session_.RefuseQuestions();
    server_->stop();
}

namespace {

// The page and the panels: beside an installed host, otherwise in the source tree.
std::string Folder(const char* installedBelowHostFolder, const char* built) {
    const std::string installed = InstalledHostFolder();
    if (!installed.empty()) {
        const fs::path p = fs::path(installed) / installedBelowHostFolder;
        std::error_code ec;
        if (fs::is_directory(p, ec)) return p.string();
    }
    return built;
}

}  // namespace

int RunStudio(const std::vector<std::string>& args, const std::string& defaultPlugin, std::ostream& out,
              std::ostream& err) {
    StudioOptions options;
    options.pluginPath = defaultPlugin;
    options.hostFolder = InstalledHostFolder();
    ServerOptions server;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--port" || a == "--plugin") && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (a == "--plugin") {
                options.pluginPath = value;
                continue;
            }
            char* end = nullptr;
            const long port = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end || port < 0 || port > 65535) {
                err << "scribera: bad value '" << value << "' for --port (0..65535)\n";
                return 2;
            }
            server.port = static_cast<int>(port);
        } else if (a.compare(0, 2, "--") != 0 && options.svgFile.empty()) {
            options.svgFile = a;
        } else {
            err << "scribera: unexpected argument '" << a << "'\nusage: scribera studio [--port N] [--plugin PATH] [FILE.svg]\n";
            return 2;
        }
    }
    server.pageFolder = Folder("studio", SCRIBERA_STUDIO_PAGE);
    server.extensionsFolder = Folder("extensions", SCRIBERA_EXTENSIONS);

    // Interrupts are taken by a waiting thread, not by a handler: every thread blocks them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    StudioSession session;
    std::string error;
    if (!session.Start(options, &error)) {
        err << "scribera studio: " << error << "\n";
        return 1;
    }
    StudioServer studio(session, server);
    const int port = studio.Bind(&error);
    if (port < 0) {
        err << "scribera studio: " << error << "\n";
        return 1;
    }
    out << "studio: http://127.0.0.1:" << port << "/" << std::endl;
    std::thread serving([&] { studio.Serve(); });
    int signal = 0;
    sigwait(&stopSignals, &signal);
    studio.Stop();
    serving.join();
    return 0;
}

}  // namespace scribera::studio
