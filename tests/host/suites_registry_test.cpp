// Tools, live effects, menus, dictionaries, the action manager, and what the user is shown.
#include "suites_fixture.h"

#include <cstring>

namespace scribera {
namespace {

using testing::SuiteTest;

class Registry : public SuiteTest {
protected:
    SBPluginRef plugin = reinterpret_cast<SBPluginRef>(0x1234);
    const SBToolSuite* tool = Acquire<SBToolSuite>(kSBToolSuite, kSBToolSuiteVersion);
    const SBActionManagerSuite* actions =
        Acquire<SBActionManagerSuite>(kSBActionManagerSuite, kSBActionManagerSuiteVersion);
    const SBDictionarySuite* dict = Acquire<SBDictionarySuite>(kSBDictionarySuite, kSBDictionarySuiteVersion);
    const SBLiveEffectSuite* effects = Acquire<SBLiveEffectSuite>(kSBLiveEffectSuite, kSBLiveEffectSuiteVersion);
    const SBMenuSuite* menu = Acquire<SBMenuSuite>(kSBMenuSuite, kSBMenuSuiteVersion);
    const SBUserSuite* user = Acquire<SBUserSuite>(kSBUserSuite, kSBUserSuiteVersion);
};

TEST_F(Registry, ToolNumbersGroupsAndToolsets) {
    auto add = [&](const char* name, int16_t group, int16_t toolset) {
        SBToolData data{name, name, 16064, 16064, group, toolset};
        SBToolHandle h = nullptr;
        EXPECT_EQ(tool->AddTool(plugin, name, &data, SB_TOOL_TRACKS_CURSOR, &h), SB_OK) << name;
        return h;
    };
    int16_t rose = 0, wave = 0, mirror = 0, cut = 0;
    SBToolHandle roseTool = add("Rose", SB_TOOL_NEW_GROUP, SB_TOOL_NEW_TOOLSET);
    ASSERT_EQ(tool->GetToolNumberFromName("Rose", &rose), SB_OK);
    add("Wave", rose, rose);
    add("Mirror", rose, SB_TOOL_NEW_TOOLSET);
    ASSERT_EQ(tool->GetToolNumberFromName("Wave", &wave), SB_OK);
    ASSERT_EQ(tool->GetToolNumberFromName("Mirror", &mirror), SB_OK);
    add("Cut", mirror, mirror);
    ASSERT_EQ(tool->GetToolNumberFromName("Cut", &cut), SB_OK);
    EXPECT_LT(rose, wave);
    EXPECT_LT(wave, mirror);
    const auto& t = session.Registry().tools;
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].group, rose);
    EXPECT_EQ(t[0].toolset, rose);
    EXPECT_EQ(t[1].toolset, rose);
    EXPECT_EQ(t[2].group, rose);  // the second toolset shares the first one's group
    EXPECT_EQ(t[2].toolset, mirror);
    EXPECT_EQ(t[3].group, rose);
    EXPECT_EQ(t[3].toolset, mirror);
    EXPECT_EQ(t[3].options, SB_TOOL_TRACKS_CURSOR);
    EXPECT_EQ(t[0].icon, 16064);

    SBToolData bad{"X", "X", 0, 0, 12345, SB_TOOL_NEW_TOOLSET};
    SBToolHandle h = nullptr;
    EXPECT_EQ(tool->AddTool(plugin, "X", &bad, 0, &h), SB_ERR_BAD_PARAM);  // joins an unknown tool
    SBToolData dup{"Rose", "Rose", 0, 0, SB_TOOL_NEW_GROUP, SB_TOOL_NEW_TOOLSET};
    EXPECT_EQ(tool->AddTool(plugin, "Rose", &dup, 0, &h), SB_ERR_CANT);
    int16_t n = 0;
    EXPECT_EQ(tool->GetToolNumberFromName("Nope", &n), SB_ERR_BAD_PARAM);

    SBToolHandle selected = roseTool;
    ASSERT_EQ(tool->GetSelectedTool(&selected), SB_OK);
    EXPECT_EQ(selected, nullptr);
    session.Registry().selectedTool = FromHandle(roseTool);
    ASSERT_EQ(tool->GetSelectedTool(&selected), SB_OK);
    EXPECT_EQ(selected, roseTool);

    const int32_t vars[] = {3, 7, -1};
    ASSERT_EQ(tool->SetToolInfoVars(roseTool, vars), SB_OK);
    EXPECT_EQ(session.Registry().tools[0].infoVariables, (std::vector<int32_t>{3, 7}));
    double x = 1.5, y = -2;
    void* values[] = {&x, &y};
    ASSERT_EQ(tool->SetToolInfoVarValues(vars, values), SB_OK);
    EXPECT_EQ(session.Shown().infoValues, (std::vector<double>{1.5, -2}));
    EXPECT_EQ(tool->SetToolInfoVars(reinterpret_cast<SBToolHandle>(plugin), vars), SB_ERR_STALE);
}

TEST_F(Registry, ActionValuesAreTypedAndMissingKeysFail) {
    const uint32_t kTool = SB_FOURCC('t', 'o', 'o', 'l'), kRadius = SB_FOURCC('r', 'd', 'u', 's'),
                   kFermat = SB_FOURCC('s', 'p', 'f', 'e'), kMissing = SB_FOURCC('n', 'o', 'p', 'e');
    SBActionParamTypeRef type = nullptr;
    ASSERT_EQ(actions->NewActionParamType(&type), SB_OK);
    ASSERT_EQ(actions->SetActionParamTypeKey(type, kTool, "", SB_ACTION_TYPE_INTEGER, 0), SB_OK);
    ASSERT_EQ(actions->SetActionParamTypeKey(type, kRadius, "Radius:", SB_ACTION_TYPE_REAL, 1), SB_OK);
    EXPECT_EQ(actions->SetActionParamTypeKey(type, kFermat, "?", 0x3F3F3F3F, 1), SB_ERR_BAD_PARAM);
    ASSERT_EQ(actions->RegisterActionEvent("sb_plugin_zarvo_rose", "Rose", 1, 0, nullptr, plugin, nullptr, type),
              SB_OK);
    ASSERT_EQ(actions->DeleteActionParamType(type), SB_OK);
    EXPECT_EQ(actions->DeleteActionParamType(type), SB_ERR_STALE);
    ASSERT_EQ(session.Registry().actionEvents.size(), 1u);
    ASSERT_EQ(session.Registry().actionEvents[0].keys.size(), 2u);
    EXPECT_FALSE(session.Registry().actionEvents[0].keys[0].shown);
    EXPECT_EQ(session.Registry().actionEvents[0].keys[1].name, "Radius:");

    SBActionParamValueRef v = nullptr;
    ASSERT_EQ(actions->NewActionParamValue(&v), SB_OK);
    ASSERT_EQ(actions->SetActionParamInteger(v, kTool, 1), SB_OK);
    ASSERT_EQ(actions->SetActionParamUnitReal(v, kRadius, SB_UNIT_POINTS, 42.5), SB_OK);
    ASSERT_EQ(actions->SetActionParamBoolean(v, kFermat, 1), SB_OK);
    int32_t i = 0;
    SBBool b = 0;
    uint32_t unit = 0;
    double r = 0;
    ASSERT_EQ(actions->GetActionParamInteger(v, kTool, &i), SB_OK);
    EXPECT_EQ(i, 1);
    ASSERT_EQ(actions->GetActionParamUnitReal(v, kRadius, &unit, &r), SB_OK);
    EXPECT_EQ(unit, SB_UNIT_POINTS);
    EXPECT_EQ(r, 42.5);
    ASSERT_EQ(actions->GetActionParamBoolean(v, kFermat, &b), SB_OK);
    EXPECT_EQ(b, 1);
    i = 99;
    EXPECT_EQ(actions->GetActionParamInteger(v, kMissing, &i), SB_ERR_NO_SUCH_KEY);
    EXPECT_EQ(actions->GetActionParamUnitReal(v, kMissing, &unit, &r), SB_ERR_NO_SUCH_KEY);
    EXPECT_EQ(actions->GetActionParamBoolean(v, kMissing, &b), SB_ERR_NO_SUCH_KEY);
    EXPECT_EQ(actions->GetActionParamInteger(v, kRadius, &i), SB_ERR_BAD_PARAM);  // held as a real
    EXPECT_EQ(i, 99);
    // Setting a key again replaces it in place.
    ASSERT_EQ(actions->SetActionParamInteger(v, kRadius, 7), SB_OK);
    ASSERT_EQ(actions->GetActionParamInteger(v, kRadius, &i), SB_OK);
    EXPECT_EQ(i, 7);

    SBBool recording = 1;
    ASSERT_EQ(actions->InRecordMode(&recording), SB_OK);
    EXPECT_EQ(recording, 0);
    ASSERT_EQ(actions->RecordActionEvent("sb_plugin_zarvo_rose", 3, v), SB_OK);
    EXPECT_EQ(actions->RecordActionEvent("sb_plugin_zarvo_nope", 3, v), SB_ERR_BAD_PARAM);
    ASSERT_EQ(session.Actions().recorded.size(), 1u);
    const RecordedAction& rec = session.Actions().recorded[0];
    EXPECT_EQ(rec.dialog, 3);
    ASSERT_EQ(rec.values.size(), 3u);
    EXPECT_EQ(rec.values[0].key, kTool);
    EXPECT_EQ(rec.values[1].type, ActionValue::Type::Integer);
    ASSERT_EQ(actions->DeleteActionParamValue(v), SB_OK);
    EXPECT_EQ(actions->GetActionParamInteger(v, kTool, &i), SB_ERR_STALE);

    // Playback values made by the host read the same way.
    ActionValue t;
    t.key = kTool;
    t.integer = 6;
    const Id played = session.NewActionValue({t});
    ASSERT_EQ(actions->GetActionParamInteger(ToHandle<SBActionParamValueRef>(played), kTool, &i), SB_OK);
    EXPECT_EQ(i, 6);
}

TEST_F(Registry, LiveEffectsMenusAndDictionaries) {
    SBLiveEffectData def{plugin, "Mirror...", "Mirror...", 1, 0, 7, 2};
    SBLiveEffectHandle fx = nullptr;
    ASSERT_EQ(effects->AddLiveEffect(&def, &fx), SB_OK);
    SBLiveEffectMenuData md{"Zarvo", "Mirror...", 0};
    SBMenuItemHandle item = nullptr;
    ASSERT_EQ(effects->AddLiveEffectMenuItem(fx, "Zarvo", &md, &item), SB_OK);
    EXPECT_EQ(effects->AddLiveEffectMenuItem(reinterpret_cast<SBLiveEffectHandle>(item), "Zarvo", &md, &item),
              SB_ERR_STALE);
    ASSERT_EQ(menu->UpdateMenuItemAutomatically(item, 1, 0, 0, 0x400002, 0, 0, 0), SB_OK);
    ASSERT_EQ(session.Registry().menuItems.size(), 1u);
    EXPECT_EQ(session.Registry().menuItems[0].effect, FromHandle(fx));
    EXPECT_EQ(session.Registry().menuItems[0].criteria[2], 0x400002);
    EXPECT_EQ(session.Registry().liveEffects[0].inputs, 7);

    const Id instance = session.Effects().NewInstance();
    SBDictionaryRef d = ToHandle<SBDictionaryRef>(instance);
    SBDictKey angle = nullptr, again = nullptr, type = nullptr;
    ASSERT_EQ(dict->Key("ZarvoAngle", &angle), SB_OK);
    ASSERT_EQ(dict->Key("ZarvoAngle", &again), SB_OK);
    EXPECT_EQ(angle, again);
    ASSERT_EQ(dict->Key("ZarvoMirrorType", &type), SB_OK);
    SBBool known = 1;
    ASSERT_EQ(dict->IsKnown(d, angle, &known), SB_OK);
    EXPECT_EQ(known, 0);
    double a = 0;
    EXPECT_EQ(dict->GetRealEntry(d, angle, &a), SB_ERR_NO_SUCH_KEY);
    ASSERT_EQ(dict->SetRealEntry(d, angle, 30), SB_OK);
    ASSERT_EQ(dict->SetIntegerEntry(d, type, 2), SB_OK);
    ASSERT_EQ(dict->GetRealEntry(d, angle, &a), SB_OK);
    EXPECT_EQ(a, 30);
    int32_t n = 0;
    EXPECT_EQ(dict->GetIntegerEntry(d, angle, &n), SB_ERR_BAD_PARAM);
    // Each instance has its own entries.
    SBDictionaryRef other = ToHandle<SBDictionaryRef>(session.Effects().NewInstance());
    ASSERT_EQ(dict->IsKnown(other, angle, &known), SB_OK);
    EXPECT_EQ(known, 0);
    EXPECT_EQ(dict->IsKnown(reinterpret_cast<SBDictionaryRef>(fx), angle, &known), SB_ERR_STALE);

    const Id ctx = session.NewLiveEffectContext(FromHandle(fx), instance);
    ASSERT_EQ(effects->UpdateParameters(ToHandle<SBLiveEffectParamContext>(ctx)), SB_OK);
    EXPECT_EQ(session.Effects().parameterUpdates, (std::vector<Id>{instance}));
}

TEST_F(Registry, AlertsQuestionsAndHostServices) {
    session.Shown().scriptedAnswers = {false};
    int32_t answer = -1;
    ASSERT_EQ(user->QuestionAlert(Text("Replace?"), &answer), SB_OK);
    EXPECT_EQ(answer, 0);
    ASSERT_EQ(user->QuestionAlert(Text("Again?"), &answer), SB_OK);
    EXPECT_EQ(answer, 1);  // yes once the script runs out
    ASSERT_EQ(session.Shown().questions.size(), 2u);
    EXPECT_EQ(session.Shown().questions[0].text, "Replace?");
    EXPECT_FALSE(session.Shown().questions[0].answer);
    ASSERT_EQ(user->ErrorAlert(Text("Error in Zarvo")), SB_OK);
    EXPECT_EQ(session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));

    SBCursorResource cursor = nullptr;
    ASSERT_EQ(user->CreateCursorResourceManager(plugin, &cursor), SB_OK);
    EXPECT_EQ(session.Desktop().cursorResourcesHeld, 1);
    ASSERT_EQ(user->DisposeCursorResourceManager(cursor), SB_OK);
    EXPECT_EQ(user->DisposeCursorResourceManager(cursor), SB_ERR_STALE);
    EXPECT_EQ(session.Desktop().cursorResourcesHeld, 0);

    auto* folders = Acquire<SBFoldersSuite>(kSBFoldersSuite, kSBFoldersSuiteVersion);
    session.Desktop().hostFolder = "/opt/scribera/plug-ins";
    char buffer[64];
    ASSERT_EQ(folders->FindFolder(0, 0, buffer, sizeof buffer), SB_OK);
    EXPECT_STREQ(buffer, "/opt/scribera/plug-ins");
    EXPECT_EQ(folders->FindFolder(0, 0, buffer, 22), SB_ERR_RANGE);  // no room for the NUL
    EXPECT_EQ(folders->FindFolder(0, 0, buffer, 23), SB_OK);
    EXPECT_EQ(folders->FindFolder(3, 0, buffer, sizeof buffer), SB_ERR_BAD_PARAM);

    auto* runtime = Acquire<SBRuntimeSuite>(kSBRuntimeSuite, kSBRuntimeSuiteVersion);
    SBRuntimeProcs procs{};
    ASSERT_EQ(runtime->GetAppRuntimeProcs(&procs), SB_OK);
    ASSERT_EQ(procs.StartupNotification(2, "Initialising Zarvo", procs.hostData), SB_OK);
    EXPECT_EQ(session.Registry().startupTexts, (std::vector<std::string>{"Initialising Zarvo"}));

    auto* block = Acquire<SBBlockSuite>(kSBBlockSuite, kSBBlockSuiteVersion);
    void* p = nullptr;
    ASSERT_EQ(block->AllocateBlock(64, &p), SB_OK);
    EXPECT_EQ(static_cast<unsigned char*>(p)[63], 0);  // cleared
    EXPECT_EQ(session.Memory().BlocksHeld(), 1u);
    ASSERT_EQ(block->DisposeBlock(p), SB_OK);
    EXPECT_EQ(block->DisposeBlock(p), SB_ERR_BAD_PARAM);

    auto* context = Acquire<SBContextSuite>(kSBContextSuite, kSBContextSuiteVersion);
    SBAppContext outer = nullptr, inner = nullptr;
    ASSERT_EQ(context->PushAppContext(plugin, &outer), SB_OK);
    ASSERT_EQ(context->PushAppContext(plugin, &inner), SB_OK);
    EXPECT_EQ(context->PopAppContext(outer), SB_ERR_BAD_PARAM);  // not the innermost
    ASSERT_EQ(context->PopAppContext(inner), SB_OK);
    ASSERT_EQ(context->PopAppContext(outer), SB_OK);
    EXPECT_TRUE(session.Desktop().contexts.empty());

    auto* access = Acquire<SBAccessSuite>(kSBAccessSuite, kSBAccessSuiteVersion);
    SBAccessRef ref = nullptr;
    ASSERT_EQ(access->AcquirePlugin(plugin, &ref), SB_OK);
    EXPECT_EQ(session.Desktop().accessHeld, 1);
    ASSERT_EQ(access->ReleasePlugin(ref), SB_OK);
    EXPECT_EQ(access->ReleasePlugin(ref), SB_ERR_STALE);
}

}  // namespace
}  // namespace scribera
