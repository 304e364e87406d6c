// The studio's web server: the page and the panels' files, and the routes the page acts through,
// on 127.0.0.1 only. Bodies are JSON objects of at most 1 MB; a larger one is refused with 413, a
// malformed one with 400 and a message, and neither reaches the session. Routes: docs/studio.md.
#pragma once

#include "studio/StudioSession.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace httplib {
class Server;
}

namespace scribera::studio {

constexpr size_t kLargestBody = 1u << 20;

struct ServerOptions {
    int port = 8765;  // 0: any free port
    std::string pageFolder;        // the studio page's files
    std::string extensionsFolder;  // the options panels
};

class StudioServer {
public:
    StudioServer(StudioSession& session, const ServerOptions& options);
    ~StudioServer();

    // Binds 127.0.0.1; the port taken, or -1 with the reason.
    int Bind(std::string* error);
    // Serves until Stop (from another thread).
    void Serve();
    void Stop();

private:
    void Routes();

    StudioSession& session_;
    ServerOptions options_;
    std::unique_ptr<httplib::Server> server_;
};

// `scribera studio [--port N] [--plugin PATH] [FILE.svg]`: serves until interrupted. The exit status.
int RunStudio(const std::vector<std::string>& args, const std::string& defaultPlugin, std::ostream& out,
              std::ostream& err);

}  // namespace scribera::studio
