#include "frame/sb/Undo.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"
#include "frame/sb/Text.h"

namespace sb {

void SetUndoRedoText(const std::string& undoText, const std::string& redoText) {
    const SBUndoSuite& undo = HeldSuite(sUndo);
    HostString undoString(undoText);
    HostString redoString(redoText);
    CheckHostResult(undo.SetUndoTextUS(undoString.Get(), redoString.Get()));
}

void UndoChanges() { CheckHostResult(HeldSuite(sUndo).UndoChanges()); }

}  // namespace sb
