#include "support/TestEnvironment.h"

#include <filesystem>
#include <random>

namespace testenv {
std::string PluginPath() { return ZARVO_PLUGIN_PATH; }
std::string SourceDir() { return ZARVO_SOURCE_DIR; }
std::string CorpusDir() { return ZARVO_CORPUS_DIR; }
std::string ScriberaExe() { return SCRIBERA_EXE; }

std::string MakeTempDir(const std::string& name) {
    namespace fs = std::filesystem;
    std::random_device rd;
    fs::path dir = fs::temp_directory_path() / ("zarvo-" + name + "-" + std::to_string(rd()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}
}  // namespace testenv
