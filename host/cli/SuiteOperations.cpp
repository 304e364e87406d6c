#include "cli/SuiteOperations.h"

#include "core/Session.h"
#include "core/suites/Suites.h"

#include <scribera/SBSuites.h>

namespace scribera::cli {

namespace {

using Operation = SBErr (*)();

struct SuiteRow {
    const char* name;
    int32_t version;
    size_t operations;  // the table is a record of that many function pointers
};

#define ZARVO_SUITE(S) {kSB##S##Suite, kSB##S##SuiteVersion, sizeof(SB##S##Suite) / sizeof(Operation)}
const SuiteRow kInterface[] = {
    ZARVO_SUITE(Access),        ZARVO_SUITE(Plugins),       ZARVO_SUITE(Notifier),
    ZARVO_SUITE(Context),       ZARVO_SUITE(User),          ZARVO_SUITE(FilePath),
    ZARVO_SUITE(Folders),       ZARVO_SUITE(Filter),        ZARVO_SUITE(Blocks),
    ZARVO_SUITE(Art),           ZARVO_SUITE(ArtStyle),      ZARVO_SUITE(BlendStyle),
    ZARVO_SUITE(Block),         ZARVO_SUITE(CustomColor),   ZARVO_SUITE(Dictionary),
    ZARVO_SUITE(Path),          ZARVO_SUITE(PathStyle),     ZARVO_SUITE(RealMath),
    ZARVO_SUITE(Random),        ZARVO_SUITE(Document),      ZARVO_SUITE(DocumentView),
    ZARVO_SUITE(Group),         ZARVO_SUITE(Gradient),      ZARVO_SUITE(Undo),
    ZARVO_SUITE(Tool),          ZARVO_SUITE(LiveEffect),    ZARVO_SUITE(MatchingArt),
    ZARVO_SUITE(ActionManager), ZARVO_SUITE(Menu),          ZARVO_SUITE(Mesh),
    ZARVO_SUITE(MeshSegment),   ZARVO_SUITE(MeshVertex),    ZARVO_SUITE(UnicodeString),
    ZARVO_SUITE(MdMemory),      ZARVO_SUITE(StringFormatUtils), ZARVO_SUITE(Runtime),
};
#undef ZARVO_SUITE

// Every operation enters the session before it looks at an argument, and names itself there. In a
// session of its own that fails every call at once, each operation is called with no arguments
// (it returns before reading any) and the host's record of the faults that fired holds its name.
std::vector<std::string> AskTheSuites() {
    Session* previous = Session::HasCurrent() ? &Session::Current() : nullptr;
    std::vector<std::string> names;
    {
        Session probe;
        probe.MakeCurrent();
        auto ask = [&](auto call) {
            probe.Faults().Clear();
            probe.Faults().Arm("*", 1, SB_ERR_CANT);
            call();
            if (probe.Faults().Fired().size() == 1) names.push_back(probe.Faults().Fired().front());
        };
        const SBBasicSuite* basic = probe.BasicSuite();
        for (const SuiteRow& row : kInterface) {
            const void* table = FindSuite(row.name, row.version);
            if (!table) continue;  // the host does not have it
            const Operation* operations = static_cast<const Operation*>(table);
            for (size_t i = 0; i < row.operations; ++i)
                if (operations[i]) ask([&] { operations[i](); });  // null: an operation it does not have
            const void* acquired = nullptr;
            ask([&] { basic->AcquireSuite(row.name, row.version, &acquired); });
            ask([&] { basic->ReleaseSuite(row.name, row.version); });
        }
        if (previous) previous->MakeCurrent();
    }
    return names;
}

}  // namespace

const std::vector<std::string>& HostOperations() {
    static const std::vector<std::string> names = AskTheSuites();
    return names;
}

bool HostHasOperation(const std::string& name) {
    // The host's own matching of names: a fault armed under `name` fires on the operation's call.
    for (const std::string& operation : HostOperations()) {
        const size_t dot = operation.find('.');
        FaultInjector faults;
        faults.Arm(name, 1, SB_ERR_CANT);
        if (faults.Check(operation.substr(0, dot).c_str(), operation.substr(dot + 1).c_str()) != 0) return true;
    }
    return false;
}

}  // namespace scribera::cli
