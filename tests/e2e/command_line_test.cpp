// The `scribera` command as a user meets it: help and version, pictures, what a wrong name is
// told, alerts on standard error, and no profile folder left behind unless asked for.
#include "cli/CommandTable.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#if SCRIBERA_HAVE_CAIRO
#include <cairo.h>
#endif

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// scribera with these arguments (already quoted for the shell), the plug-in under test given
// unless `plugin` is false.
Outcome Scribera(const std::string& dir, const std::string& arguments, bool plugin = true) {
    const std::string err = dir + "/stderr.txt";
    std::string command = "'" + testenv::ScriberaExe() + "' " + arguments;
    if (plugin) command += " --plugin '" + testenv::PluginPath() + "'";
    command += " 2>'" + err + "'";
    Outcome r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = Slurp(err);
    fs::remove(err);
    return r;
}

std::string Script(const std::string& dir, const std::string& name, const std::string& text) {
    const std::string path = dir + "/" + name;
    std::ofstream(path) << text;
    return path;
}

struct Folder {
    std::string path = testenv::MakeTempDir("command-line");
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

// The width and height a PNG file's header gives, or 0 × 0.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
    const std::string data = Slurp(path);
    if (data.size() < 24 || data.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || data.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    auto word = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(data[at + i]);
        return v;
    };
    return {word(16), word(20)};
}

const char* const kSquare = "document 100 50\nfill rgb 1 0 0\nstroke none\npath closed 10,10 40,10 40,40 10,40\n";

}  // namespace

TEST(CommandLine, VersionIsTheProjectsAndHelpNamesEveryCommandAndOption) {
    Folder dir;
    const std::string project = Slurp(testenv::SourceDir() + "/CMakeLists.txt");
    std::smatch version;
    ASSERT_TRUE(std::regex_search(project, version, std::regex("project\\(Zarvo VERSION ([0-9.]+) ")));
    Outcome v = Scribera(dir.path, "--version", false);
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, "scribera " + version[1].str() + "\n");

    Outcome help = Scribera(dir.path, "--help", false);
    EXPECT_EQ(help.status, 0) << help.err;
    for (const char* word : {"play", "info", "--svg", "--png", "--json", "--out", "--plugin", "--keep-profile",
                             "--png-area", "--png-scale", "--png-background"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    for (const scribera::cli::CommandSpec& c : scribera::cli::Commands())
        EXPECT_NE(help.out.find("\n  " + std::string(c.name) + " "), std::string::npos) << c.name;

    Outcome one = Scribera(dir.path, "help drag", false);
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out.rfind("drag X Y [steps N]\n", 0), 0u) << one.out;
    Outcome fail = Scribera(dir.path, "help fail", false);
    EXPECT_NE(fail.out.find("  SB Art Suite.NewArt\n"), std::string::npos) << fail.out;
    Outcome none = Scribera(dir.path, "help wiggle", false);
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("no command 'wiggle'"), std::string::npos) << none.err;
    EXPECT_NE(none.err.find("path-d"), std::string::npos) << none.err;
    Outcome bad = Scribera(dir.path, "play --frobnicate x.scribera", false);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("unexpected argument '--frobnicate'"), std::string::npos) << bad.err;
    Outcome badValue = Scribera(dir.path, "play x.scribera --png-background pink", false);
    EXPECT_EQ(badValue.status, 2);
    EXPECT_NE(badValue.err.find("bad value 'pink' for --png-background"), std::string::npos) << badValue.err;
}

TEST(CommandLine, PicturesFromTheCommandLineAndFromSave) {
    Folder dir;
    const std::string script = Script(dir.path, "square.scribera", std::string(kSquare) + "save mid.png\n");
    Outcome r = Scribera(dir.path, "play '" + script + "' --png '" + dir.path + "/end.png'");
    ASSERT_EQ(r.status, 0) << r.err;
    // The artboard, 1 px per unit raised until the larger side has 512 pixels.
    EXPECT_EQ(PngSize(dir.path + "/end.png"), std::make_pair(512u, 256u));
    EXPECT_EQ(PngSize(dir.path + "/mid.png"), std::make_pair(512u, 256u));

    Outcome scaled = Scribera(dir.path, "play '" + script + "' --png '" + dir.path + "/scaled.png' --png-scale 2 " +
                                            "--png-min-side 0 --png-area 0,0,50,50 --png-background 000080");
    ASSERT_EQ(scaled.status, 0) << scaled.err;
    EXPECT_EQ(PngSize(dir.path + "/scaled.png"), std::make_pair(100u, 100u));
    EXPECT_EQ(PngSize(dir.path + "/mid.png"), std::make_pair(100u, 100u));  // save uses the options too
#if SCRIBERA_HAVE_CAIRO
    cairo_surface_t* png = cairo_image_surface_create_from_png((dir.path + "/scaled.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    cairo_surface_flush(png);
    const unsigned char* data = cairo_image_surface_get_data(png);
    const int stride = cairo_image_surface_get_stride(png);
    auto argb = [&](int x, int y) { return *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4); };
    EXPECT_EQ(argb(5, 5) & 0xffffff, 0x000080u);    // the background asked for
    EXPECT_EQ(argb(50, 50) & 0xffffff, 0xff0000u);  // the square
    cairo_surface_destroy(png);
#endif

    // A format no extension names is a mistake in the script: nothing runs.
    const std::string bad = Script(dir.path, "bad.scribera", std::string(kSquare) + "save early.svg\nsave late.gif\n");
    Outcome b = Scribera(dir.path, "play '" + bad + "' --out '" + dir.path + "'");
    EXPECT_EQ(b.status, 1);
    EXPECT_NE(b.err.find(bad + ":6: 'save' writes FILE.svg, FILE.png or FILE.json, not 'late.gif'"), std::string::npos)
        << b.err;
    EXPECT_FALSE(fs::exists(dir.path + "/early.svg"));
}

TEST(CommandLine, WrongNamesAreToldWhatIsThere) {
    Folder dir;
    const std::string tool = Script(dir.path, "tool.scribera", std::string(kSquare) + "tool Rosy\n");
    Outcome t = Scribera(dir.path, "play '" + tool + "'");
    EXPECT_EQ(t.status, 1);
    EXPECT_NE(t.err.find(tool + ":5: no tool named 'Rosy' (the tools: Rose, "), std::string::npos) << t.err;
    EXPECT_NE(t.err.find("Mirror"), std::string::npos) << t.err;

    const std::string fail =
        Script(dir.path, "fail.scribera",
               std::string(kSquare) + "fail \"SB Art.NewArt\" 1 CANT\n" + "fail \"SB Art Suite.NewArtt\" 1 CANT\n");
    Outcome f = Scribera(dir.path, "play '" + fail + "'");
    EXPECT_EQ(f.status, 1);
    EXPECT_NE(f.err.find(fail + ":6: the host has no suite operation 'SB Art Suite.NewArtt'"), std::string::npos)
        << f.err;
}

TEST(CommandLine, AlertsGoToStandardErrorAndTheProfileFolderIsNotLeftBehind) {
    Folder dir;
    // A drag step whose new art cannot be made shows the plug-in's error alert.
    const std::string script =
        Script(dir.path, "alert.scribera",
               "document 400 400\nfill gray 0.5\npath closed -30,-20 50,-20 50,40 -30,40\n"
               "select all\ntool Mirror\ndown 0 0\ndrag 0 0\nfail \"SB Art Suite.NewArt\" 1 CANT\n"
               "drag 1 0\ndrag 2 0\nup\n");
    Outcome r = Scribera(dir.path, "play '" + script + "' --json '" + dir.path + "/alert.json'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, script + ":9: alert: Error in Zarvo\n");
    EXPECT_NE(Slurp(dir.path + "/alert.json").find("\"alerts\": [\"Error in Zarvo\"]"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path + "/alert-profile"));

    // The rose tool keeps its options in the profile folder: the dump reads them before it goes.
    const std::string rose = Script(dir.path, "rose.scribera",
                                    "document 600 400\ntool Rose\npanel params {\"radius\":\"70\",\"lobes\":\"7\"}\n"
                                    "click 420 250\n");
    Outcome p = Scribera(dir.path, "play '" + rose + "' --json '" + dir.path + "/rose.json'");
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.err, "");
    EXPECT_NE(Slurp(dir.path + "/rose.json").find("\"preferences\": \"<rose>"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path + "/rose-profile"));

    Outcome kept = Scribera(dir.path, "play '" + script + "' --out '" + dir.path + "' --keep-profile");
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_TRUE(fs::is_directory(dir.path + "/alert-profile"));

    const std::string named = Script(dir.path, "named.scribera", "profile-folder prefs\ndocument 10 10\n");
    Outcome n = Scribera(dir.path, "play '" + named + "' --out '" + dir.path + "'");
    ASSERT_EQ(n.status, 0) << n.err;
    EXPECT_TRUE(fs::is_directory(dir.path + "/prefs"));
    EXPECT_FALSE(fs::exists(dir.path + "/named-profile"));
}
