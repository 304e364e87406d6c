// What every suite operation does first: enter the session (fault injection, call trace), then
// check its handles and pointers. Each suite's functions live in a namespace that defines kSuite;
// a function's own name is the operation's name.
#pragma once

#include "core/Document.h"
#include "core/Session.h"

#include <scribera/SBSuites.h>

#include <string>

namespace scribera::suites {

// A handle that names nothing live: null is a bad parameter, anything else a stale handle (logged).
inline SBErr Unknown(Session& s, const char* suite, const char* op, Id id) {
    if (id == kNoId) return SB_ERR_BAD_PARAM;
    s.LogStale(suite, op, id);
    return SB_ERR_STALE;
}

// 8-bit text in the system code page (taken as Latin-1) to UTF-8.
std::string SystemToUtf8(const char* text);

}  // namespace scribera::suites

#define SB_ENTER()                                              \
    if (!::scribera::Session::HasCurrent()) return SB_ERR_CANT; \
    ::scribera::Session& S = ::scribera::Session::Current();    \
    const char* const op_ = __func__;                           \
    if (SBErr enterErr_ = S.Enter(kSuite, op_)) return enterErr_

// A suite's table and the names of its operations from one list: the names are those the
// operations enter the session with (fault injection and `fail` know them by these).
#define SB_SUITE_TABLE(Type, ...)      \
    const Type kTable = {__VA_ARGS__}; \
    constexpr const char* kOperations = #__VA_ARGS__

#define SB_NEED(condition) \
    if (!(condition)) return SB_ERR_BAD_PARAM

// A live art object of the current document, or return.
#define SB_ART(var, handle)                                                    \
    const ::scribera::Art* var = S.Doc().Find(::scribera::FromHandle(handle)); \
    if (!var) return ::scribera::suites::Unknown(S, kSuite, op_, ::scribera::FromHandle(handle))

// An object the session keeps, of type T, or return.
#define SB_KEPT(T, var, handle)                                     \
    T* var = S.Handles().Lookup<T>(::scribera::FromHandle(handle)); \
    if (!var) return ::scribera::suites::Unknown(S, kSuite, op_, ::scribera::FromHandle(handle))
