// Undo entries of the current document.
#pragma once

#include <string>

namespace sb {
// Names the entry the current transaction becomes ("Undo Rose", "Redo Rose").
void SetUndoRedoText(const std::string& undoText, const std::string& redoText);
// Reverts what the current transaction has changed so far.
void UndoChanges();
}  // namespace sb
