// Scenario scripts played through the stand-in host for the mirror, cut and rectangle-cut tests;
// the session stays for inspection after the plug-in has shut down.
#pragma once

#include "cli/Script.h"
#include "core/Document.h"
#include "core/Session.h"
#include "core/panels/PanelService.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace mirrortest {

using scribera::Art;
using scribera::ArtKind;
using scribera::Id;

struct Played {
    scribera::Session session;
    std::string dir;
    bool ok = false;
    std::string error;

    ~Played() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    scribera::Document& Doc() { return session.Doc(); }
    std::vector<const Art*> Top() {
        std::vector<const Art*> out;
        for (Id id : Doc().Children(Doc().CurrentLayerGroup())) out.push_back(Doc().Find(id));
        return out;
    }
    // Every path in the layer, inside groups and compound paths too.
    std::vector<const Art*> Paths() {
        std::vector<const Art*> out;
        std::vector<Id> todo = Doc().Children(Doc().CurrentLayerGroup());
        while (!todo.empty()) {
            const Art* a = Doc().Find(todo.back());
            todo.pop_back();
            if (!a) continue;
            if (a->kind == ArtKind::Path) out.push_back(a);
            for (Id c : Doc().Children(a->id)) todo.push_back(c);
        }
        return out;
    }
    std::string Preferences() {
        std::ifstream in(session.Desktop().desk.profileFolder + "/ZToolPref.xml");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Traced(const std::string& call) {
        for (const std::string& c : session.Trace())
            if (c.find(call) != std::string::npos) return true;
        return false;
    }
    const scribera::Dictionary& OnlyDictionary() {
        EXPECT_EQ(session.Effects().instances.size(), 1u);
        static const scribera::Dictionary none;
        return session.Effects().instances.empty() ? none : session.Effects().instances.begin()->second;
    }
};

// With `trace`, the host keeps the plug-in's calls for Traced.
inline std::unique_ptr<Played> Play(const std::string& script, bool trace = false) {
    auto p = std::make_unique<Played>();
    p->session.MakeCurrent();
    p->session.SetTracing(trace);
    scribera::PanelService::Instance().Reset();
    p->session.Desktop().hostFolder = SCRIBERA_BRIDGE_FOLDER;
    scribera::cli::PlayOptions options;
    options.pluginPath = testenv::PluginPath();
    options.hostFolder = SCRIBERA_BRIDGE_FOLDER;
    options.outputDir = p->dir = testenv::MakeTempDir("mirror-tool");
    std::vector<scribera::cli::Command> commands;
    if (!scribera::cli::ParseScript(script, "t.scribera", &commands, &p->error)) return p;
    {
        scribera::cli::Player player(p->session, options);
        p->ok = player.Play(commands, "t.scribera", &p->error);
    }
    return p;
}

// min h, max h, min v, max v over every anchor.
inline std::vector<double> Extent(const std::vector<const Art*>& paths) {
    std::vector<double> b = {1e300, -1e300, 1e300, -1e300};
    for (const Art* path : paths)
        for (const SBPathSegment& s : path->segments) {
            b[0] = std::min(b[0], s.p.h);
            b[1] = std::max(b[1], s.p.h);
            b[2] = std::min(b[2], s.p.v);
            b[3] = std::max(b[3], s.p.v);
        }
    return b;
}

inline void ExpectExtent(const std::vector<const Art*>& paths, double minH, double maxH, double minV, double maxV,
                         double tolerance = 1e-3) {
    const auto b = Extent(paths);
    EXPECT_NEAR(b[0], minH, tolerance);
    EXPECT_NEAR(b[1], maxH, tolerance);
    EXPECT_NEAR(b[2], minV, tolerance);
    EXPECT_NEAR(b[3], maxV, tolerance);
}

// Every anchor has its reflection across the vertical line h = axis among the anchors.
inline bool SymmetricAbout(const std::vector<const Art*>& paths, double axis) {
    std::vector<SBRealPoint> all;
    for (const Art* path : paths)
        for (const SBPathSegment& s : path->segments) all.push_back(s.p);
    if (all.empty()) return false;
    for (const SBRealPoint& p : all) {
        bool found = false;
        for (const SBRealPoint& q : all)
            found = found || (std::fabs(q.h - (2 * axis - p.h)) < 1e-3 && std::fabs(q.v - p.v) < 1e-3);
        if (!found) return false;
    }
    return true;
}

inline const scribera::ActionValue* FindValue(const scribera::RecordedAction& action, const char (&key)[5]) {
    const uint32_t code = SB_FOURCC(key[0], key[1], key[2], key[3]);
    for (const auto& v : action.values)
        if (v.key == code) return &v;
    ADD_FAILURE() << "no value " << key;
    static const scribera::ActionValue none;
    return &none;
}

}  // namespace mirrortest
