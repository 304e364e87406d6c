// The platform layer's desk back end against the stand-in desktop: profile folder, clock and the
// loading of libraries by full path.
#include "core/Session.h"
#include "platform/Platform.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FramePlatform, ProfileFolderAndClockComeFromTheDesk) {
    scribera::Session session;
    session.MakeCurrent();
    std::string folder = "unchanged";
    session.Desktop().desk.profileFolder.clear();
    EXPECT_FALSE(platform::ProfileFolder(&folder));
    EXPECT_EQ(folder, "unchanged");
    session.Desktop().desk.profileFolder = "/home/someone with spaces/profile";
    ASSERT_TRUE(platform::ProfileFolder(&folder));
    EXPECT_EQ(folder, "/home/someone with spaces/profile");
    // Longer than any real path: refused rather than cut.
    session.Desktop().desk.profileFolder = "/" + std::string(5000, 'p');
    EXPECT_FALSE(platform::ProfileFolder(&folder));
    EXPECT_FALSE(platform::ProfileFolder(nullptr));

    session.Desktop().desk.clockMilliseconds = 1767225600999;
    EXPECT_EQ(platform::ClockSeconds(), 1767225600);
    session.Desktop().desk.clockMilliseconds += 1;
    EXPECT_EQ(platform::ClockSeconds(), 1767225601);
    EXPECT_EQ(platform::PathSeparator(), '/');
}

TEST(FramePlatform, LibrariesOpenByFullPathAndRefuseWhatIsNotThere) {
    const std::string path = testenv::PluginPath();
    EXPECT_TRUE(platform::FileExists(path));
    EXPECT_FALSE(platform::FileExists(testenv::SourceDir()));  // a folder is not a file
    EXPECT_FALSE(platform::FileExists(""));

    platform::LibraryHandle library = platform::OpenLibrary(path);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(platform::LibrarySymbol(library, "PluginMain"), nullptr);
    EXPECT_EQ(platform::LibrarySymbol(library, "NoSuchEntryPoint"), nullptr);
    EXPECT_EQ(platform::LibrarySymbol(library, nullptr), nullptr);
    EXPECT_TRUE(platform::CloseLibrary(library));

    EXPECT_EQ(platform::OpenLibrary(path + ".missing"), nullptr);
    EXPECT_EQ(platform::OpenLibrary(""), nullptr);
    EXPECT_EQ(platform::LibrarySymbol(nullptr, "PluginMain"), nullptr);
    EXPECT_FALSE(platform::CloseLibrary(nullptr));
}

}  // namespace
