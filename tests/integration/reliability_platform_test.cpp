// Where the plug-in may write and load from: the preferences file only inside the profile folder,
// libraries only by absolute path.
#include "core/Session.h"
#include "frame/Preferences.h"
#include "platform/Platform.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

TEST(ReliabilityPlatform, PreferencesAreNeverWrittenOutsideTheProfileFolder) {
    scribera::Session session;
    session.MakeCurrent();
    session.Desktop().desk.profileFolder.clear();
    // Not "/ZToolPref.xml": without the folder there is no path at all.
    EXPECT_EQ(PreferencesPath(), "");
    PreferencesElement element("rose");
    element.Add("radius", 10.0);
    EXPECT_FALSE(PreferencesFile(element).Written());

    const std::string folder = testenv::MakeTempDir("reliability-prefs");
    session.Desktop().desk.profileFolder = folder;
    EXPECT_EQ(PreferencesPath(), folder + "/ZToolPref.xml");
    EXPECT_TRUE(PreferencesFile(element).Written());
    fs::remove_all(folder);
}

TEST(ReliabilityPlatform, LibrariesLoadOnlyByAbsolutePath) {
    EXPECT_TRUE(platform::IsAbsolutePath("/usr/lib/x.so"));
    for (const char* path : {"", "x.so", "./x.so", "lib/x.so", "../x.so"})
        EXPECT_FALSE(platform::IsAbsolutePath(path)) << path;

    const fs::path plugin = testenv::PluginPath();
    ASSERT_TRUE(plugin.is_absolute());
    const fs::path relative = fs::relative(plugin, fs::current_path());
    ASSERT_TRUE(relative.is_relative());
    ASSERT_TRUE(platform::FileExists(relative.string()));
    // The same file by a path from the current folder is refused; by its absolute path it loads.
    EXPECT_EQ(platform::OpenLibrary(relative.string()), nullptr);
    platform::LibraryHandle library = platform::OpenLibrary(plugin.string());
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(platform::CloseLibrary(library));
}
