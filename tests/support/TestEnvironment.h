// Where the tests find the built plug-in, the sources and the test data (the icon corpus).
#pragma once

#include <string>

namespace testenv {
std::string PluginPath();
std::string SourceDir();
std::string CorpusDir();
std::string ScriberaExe();
// A fresh empty folder under the test's temporary directory.
std::string MakeTempDir(const std::string& name);
}  // namespace testenv
