#include "frame/ErrorReport.h"

#include "frame/ResultCodes.h"
#include "frame/sb/Undo.h"
#include "frame/sb/User.h"

SBErr ShowZarvoError() noexcept {
    try {
        sb::UndoChanges();
    } catch (...) {
    }
    try {
        sb::ErrorAlert("Error in Zarvo");
    } catch (...) {
    }
    return kHandledException;
}
