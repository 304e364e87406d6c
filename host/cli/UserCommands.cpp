// What the user does: tool, edit-options, key, mod, down, click, drag, up, panel, answer, record,
// play, effect, undo, redo, unload, reload, and fail (a fault in a suite call).
#include "cli/CommandTable.h"
#include "cli/ScriptWords.h"
#include "cli/SuiteOperations.h"

#include "core/LiveEffectHost.h"
#include "core/panels/PanelService.h"
#include "desk/Desk.h"

#include <algorithm>
#include <cstdint>
#include <cmath>

namespace scribera::cli {

namespace {

using Words = std::vector<std::string>;

bool RequireTool(const PlayState& s, Id* tool, std::string* error) {
    if (s.session.Registry().selectedTool == kNoId) {
        *error = "no tool is selected (use 'tool NAME' first)";
        return false;
    }
    *tool = s.session.Registry().selectedTool;
    return true;
}

bool CheckNone(ArgCheck& a) { return a.Exactly(0); }
bool CheckOne(ArgCheck& a) { return a.Exactly(1); }
bool CheckPoint(ArgCheck& a) { return a.Exactly(2) && a.Numbers(1, 2); }

bool RunTool(PlayState& s, const Words& w, std::string* error) {
    const auto& tools = s.session.Registry().tools;
    auto it = std::find_if(tools.begin(), tools.end(), [&](const ToolRecord& t) { return t.name == w[1]; });
    if (it == tools.end()) {
        std::string names;
        for (const ToolRecord& t : tools) names += (names.empty() ? "" : ", ") + t.name;
        *error = "no tool named '" + w[1] + "' (" +
                 (names.empty() ? std::string("the plug-in registered no tool") : "the tools: " + names) + ")";
        return false;
    }
    Id tool = it->id;
    Id& selected = s.session.Registry().selectedTool;
    if (selected != kNoId && selected != tool) s.host.DeselectTool(selected);
    selected = tool;
    s.host.SelectTool(tool);
    return true;
}

bool RunEditOptions(PlayState& s, const Words&, std::string* error) {
    Id tool;
    if (!RequireTool(s, &tool, error)) return false;
    s.host.EditOptions(tool);
    return true;
}

bool CheckKey(ArgCheck& a) {
    if (!a.Exactly(2)) return false;
    if (desk::KeyCode(a.words[1]) < 0)
        return a.Fail("unknown key '" + a.words[1] + "' (Up, Down, Left, Right, Escape, C, M, P, R, T)");
    return a.OneOf(2, {"down", "up"});
}

bool RunKey(PlayState& s, const Words& w, std::string*) {
    int32_t code = desk::KeyCode(w[1]);
    if (w[2] == "down")
        desk::PressKey(s.session.Desktop().desk, code);
    else
        desk::ReleaseKey(s.session.Desktop().desk, code);
    return true;
}

bool CheckModifier(ArgCheck& a) {
    if (!a.Exactly(2)) return false;
    uint16_t bit;
    if (!ModifierBit(a.words[1], &bit))
        return a.Fail("unknown modifier '" + a.words[1] + "' (shift, alt, 0x1000, 0x0100)");
    return a.OneOf(2, {"on", "off"});
}

bool RunModifier(PlayState& s, const Words& w, std::string*) {
    uint16_t bit = 0;
    ModifierBit(w[1], &bit);
    uint16_t m = s.host.Modifiers();
    s.host.SetModifiers(w[2] == "on" ? static_cast<uint16_t>(m | bit) : static_cast<uint16_t>(m & ~bit));
    return true;
}

enum class Press { Hold, Click };

bool MouseDown(PlayState& s, const Words& w, Press press, std::string* error) {
    Id tool;
    if (!RequireTool(s, &tool, error)) return false;
    if (s.host.Dragging()) {
        *error = "the mouse is already down";
        return false;
    }
    SBRealPoint p = PointAt(w, 1);
    s.host.TrackCursor(tool, p);
    s.host.MouseDown(tool, p);
    s.last = p;
    if (press == Press::Click) s.host.MouseUp(tool, p);
    return true;
}

bool RunDown(PlayState& s, const Words& w, std::string* error) { return MouseDown(s, w, Press::Hold, error); }
bool RunClick(PlayState& s, const Words& w, std::string* error) { return MouseDown(s, w, Press::Click, error); }

bool CheckDrag(ArgCheck& a) {
    if (a.Count() == 2) return a.Numbers(1, 2);
    if (a.Count() == 4 && a.Numbers(1, 2) && a.words[3] == "steps") {
        int64_t steps;
        if (Integer(a.words[4], &steps) && steps >= 1 && steps <= 100000) return true;
        return a.Fail("steps must be a whole number 1..100000");
    }
    return a.Fail("'drag' expects X Y [steps N]");
}

bool RunDrag(PlayState& s, const Words& w, std::string* error) {
    Id tool;
    if (!RequireTool(s, &tool, error)) return false;
    if (!s.host.Dragging()) {
        *error = "'drag' without 'down'";
        return false;
    }
    SBRealPoint to = PointAt(w, 1);
    int64_t steps = w.size() == 5 ? Int(w[4]) : 1;
    SBRealPoint from = s.last;
    for (int64_t i = 1; i <= steps; ++i) {
        double t = static_cast<double>(i) / static_cast<double>(steps);
        SBRealPoint p = i == steps ? to : SBRealPoint{from.h + t * (to.h - from.h), from.v + t * (to.v - from.v)};
        s.host.MouseDrag(tool, p);
    }
    s.last = to;
    return true;
}

bool CheckUp(ArgCheck& a) { return a.Count() == 0 || CheckPoint(a); }

bool RunUp(PlayState& s, const Words& w, std::string* error) {
    Id tool;
    if (!RequireTool(s, &tool, error)) return false;
    if (!s.host.Dragging()) {
        *error = "'up' without 'down'";
        return false;
    }
    SBRealPoint p = w.size() == 3 ? PointAt(w, 1) : s.last;
    s.host.MouseUp(tool, p);
    s.last = p;
    return true;
}

bool CheckPanel(ArgCheck& a) {
    if (a.Count() == 1 && (a.words[1] == "cancel" || a.words[1] == "none")) return true;
    if (a.Count() >= 2 && a.words[1] == "params") return true;
    return a.Fail("'panel' expects params TEXT, cancel or none");
}

bool RunPanel(PlayState&, const Words& w, std::string*) {
    PanelScript script;
    if (w[1] == "params") {
        script.kind = PanelScript::Kind::Params;
        script.text = w[2];
    } else if (w[1] == "cancel") {
        script.kind = PanelScript::Kind::Cancel;
    }
    PanelService::Instance().QueueScript(script);
    return true;
}

bool CheckAnswer(ArgCheck& a) { return a.Exactly(1) && a.OneOf(1, {"yes", "no"}); }

bool RunAnswer(PlayState& s, const Words& w, std::string*) {
    s.session.Shown().scriptedAnswers.push_back(w[1] == "yes");
    return true;
}

bool CheckRecord(ArgCheck& a) { return a.Exactly(1) && a.OneOf(1, {"on", "off"}); }

bool RunRecord(PlayState& s, const Words& w, std::string*) {
    s.session.Actions().recording = w[1] == "on";
    return true;
}

bool CheckPlay(ArgCheck& a) {
    int64_t v;
    if ((a.Count() == 1 || (a.Count() == 2 && a.words[2] == "dialog")) && Integer(a.words[1], &v) && v >= 0)
        return true;
    return a.Fail("'play' expects N [dialog]");
}

bool RunPlay(PlayState& s, const Words& w, std::string* error) {
    const auto& recorded = s.session.Actions().recorded;
    const int64_t index = Int(w[1]);
    if (index >= static_cast<int64_t>(recorded.size())) {
        *error = "no recorded action " + w[1] + " (" + std::to_string(recorded.size()) + " recorded)";
        return false;
    }
    // Playing back while recording records again: play from a copy.
    const RecordedAction action = recorded[static_cast<size_t>(index)];
    Id value = s.session.NewActionValue(action.values);
    s.host.DoAction(w.size() == 3, ToHandle<SBActionParamValueRef>(value));
    s.session.Handles().Forget(value);
    return true;
}

bool CheckEffect(ArgCheck& a) {
    if (a.Count() < 1) return a.Fail("'effect' needs the effect's name");
    for (size_t i = 2; i < a.words.size(); ++i)
        if (a.words[i].find('=') == std::string::npos || a.words[i].front() == '=')
            return a.Fail("bad effect parameter '" + a.words[i] + "' (KEY=VALUE)");
    return true;
}

// KEY=VALUE words as the instance's dictionary: the mirror effect's keys, typed.
bool EffectPreset(const Words& w, Dictionary* preset, std::string* error) {
    for (size_t i = 2; i < w.size(); ++i) {
        const size_t eq = w[i].find('=');
        const std::string key = w[i].substr(0, eq), value = w[i].substr(eq + 1);
        DictionaryEntry entry;
        bool ok = false;
        if (key == "ZarvoAngle" || key == "ZarvoOffset" || key == "ZarvoOffsetX" || key == "ZarvoOffsetY") {
            entry.type = DictionaryEntry::Type::Real;
            ok = Number(value, &entry.real) && std::isfinite(entry.real);
        } else if (key == "ZarvoMirrorType") {
            int64_t v = 0;
            entry.type = DictionaryEntry::Type::Integer;
            ok = Integer(value, &v) && v >= INT32_MIN && v <= INT32_MAX;
            entry.integer = static_cast<int32_t>(v);
        } else if (key == "ZarvoFlipAgain") {
            entry.type = DictionaryEntry::Type::Boolean;
            ok = value == "true" || value == "false" || value == "1" || value == "0";
            entry.boolean = value == "true" || value == "1";
        } else {
            *error = "unknown effect parameter '" + key + "'";
            return false;
        }
        if (!ok) {
            *error = "bad value '" + value + "' for " + key;
            return false;
        }
        (*preset)[key] = entry;
    }
    return true;
}

bool RunEffect(PlayState& s, const Words& w, std::string* error) {
    const LiveEffectRecord* effect = FindLiveEffect(s.session, w[1]);
    if (!effect) {
        *error = "no live effect named '" + w[1] + "'";
        return false;
    }
    Dictionary preset;
    if (!EffectPreset(w, &preset, error)) return false;
    const EffectOutcome outcome = ApplyLiveEffect(s.session, s.host, *effect, preset);
    switch (outcome.kind) {
        case EffectOutcome::Kind::Applied:
            return true;
        case EffectOutcome::Kind::NoSelection:
            *error = "'effect' needs a selection";
            return false;
        case EffectOutcome::Kind::GroupRefused:
            *error = "the document refused the effect's group (code " + std::to_string(outcome.code) + ")";
            return false;
    }
    return true;
}

enum class Step { Undo, Redo };

bool UndoStep(PlayState& s, Step step, std::string* error) {
    Document& doc = s.session.Doc();
    const bool redo = step == Step::Redo;
    if (redo ? !doc.CanRedo() : !doc.CanUndo()) {
        *error = redo ? "nothing to redo" : "nothing to undo";
        return false;
    }
    SBErr err = redo ? doc.Redo() : doc.Undo();
    if (err != SB_OK) {
        *error = std::string(redo ? "redo" : "undo") + " failed with code " + std::to_string(err);
        return false;
    }
    return true;
}

bool RunUndo(PlayState& s, const Words&, std::string* error) { return UndoStep(s, Step::Undo, error); }
bool RunRedo(PlayState& s, const Words&, std::string* error) { return UndoStep(s, Step::Redo, error); }

bool RunUnload(PlayState& s, const Words&, std::string*) {
    s.host.Unload();
    return true;
}

bool RunReload(PlayState& s, const Words&, std::string*) {
    s.host.Reload();
    return true;
}

bool CheckFail(ArgCheck& a) {
    if (!a.Exactly(3)) return false;
    int64_t nth;
    SBErr code;
    // "*" counts every suite call: the fault sweep fails each call of a scenario in turn.
    if (a.words[1] != "*" && a.words[1].find('.') == std::string::npos) return a.Fail("'fail' expects SUITE.OPERATION");
    if (!Integer(a.words[2], &nth) || nth < 1 || nth > INT32_MAX)
        return a.Fail("the call number must be 1 to 2147483647");
    if (!ResultCode(a.words[3], &code)) return a.Fail("bad result code '" + a.words[3] + "'");
    return true;
}

bool RunFail(PlayState& s, const Words& w, std::string* error) {
    if (!HostHasOperation(w[1])) {
        *error = "the host has no suite operation '" + w[1] + "' (scribera help fail lists them)";
        return false;
    }
    SBErr code = 0;
    ResultCode(w[3], &code);
    s.session.Faults().Arm(w[1], static_cast<int32_t>(Int(w[2])), code);
    return true;
}

std::string FailHelp() {
    std::string text = "The host's suite operations (\"Suite\" may be left out of a suite's name):\n";
    for (const std::string& name : HostOperations()) text += "  " + name + "\n";
    return text;
}

}  // namespace

std::vector<CommandSpec> UserCommands() {
    using C = CommandSpec;
    return {
        {"tool", "NAME", "picks a tool by its name (Rose, Wave, Rhombus, ...)", CheckOne, RunTool},
        {"edit-options", "", "a double-click on the current tool's icon", CheckNone, RunEditOptions},
        {"key", "NAME down|up", "holds or releases a key: Up, Down, Left, Right, Escape, C, M, P, R, T", CheckKey,
         RunKey},
        {"mod", "NAME on|off", "a modifier bit of the tool messages that follow: shift, alt, 0x1000, 0x0100",
         CheckModifier, RunModifier},
        {"down", "X Y", "mouse down", CheckPoint, RunDown},
        {"click", "X Y", "mouse down and mouse up at one point", CheckPoint, RunClick},
        {"drag", "X Y [steps N]", "drags to the point in N evenly spaced steps (1 by default)", CheckDrag, RunDrag},
        {"up", "[X Y]", "mouse up, where the last point was or at the point given", CheckUp, RunUp},
        {"panel", "params TEXT|cancel|none", "how the next panel that opens answers once it reports ready", CheckPanel,
         RunPanel, nullptr, C::kNone, "params"},
        {"answer", "yes|no", "the answer to the next yes/no question", CheckAnswer, RunAnswer},
        {"record", "on|off", "the host's action recording", CheckRecord, RunRecord},
        {"play", "N [dialog]", "plays back recorded action N (from 0), with or without its dialog", CheckPlay, RunPlay},
        {"effect", "NAME [KEY=VALUE ...]",
         "applies a live effect to the selection, its dictionary preset with the pairs", CheckEffect, RunEffect},
        {"undo", "", "undoes the last whole entry", CheckNone, RunUndo},
        {"redo", "", "redoes the last undone entry", CheckNone, RunRedo},
        {"unload", "", "the host unloads the plug-in's code", CheckNone, RunUnload},
        {"reload", "", "the host loads the plug-in again", CheckNone, RunReload},
        {"fail", "SUITE.OPERATION N CODE", "the N-th call (from 1) of that suite operation from now on fails with CODE",
         CheckFail, RunFail, nullptr, C::kNone, nullptr, FailHelp},
    };
}

}  // namespace scribera::cli
