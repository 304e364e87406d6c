// The one entry point the host calls.
#include "frame/Plugin.h"
#include "frame/ResultCodes.h"
#include "frame/Suites.h"
#include "frame/ZarvoPlugin.h"
#include "geometry/Errors.h"

#include <cstring>
#include <new>

#if defined(_WIN32)
#define ZARVO_EXPORT __declspec(dllexport)
#else
#define ZARVO_EXPORT __attribute__((visibility("default")))
#endif

namespace {

bool Is(const char* text, const char* expected) { return std::strcmp(text, expected) == 0; }

// Nothing the plug-in raises may cross into the host: an exception becomes a code and takes the
// ordinary failure path.
template <class F>
SBErr GuardedToCode(F&& call) {
    try {
        return call();
    } catch (const HostError& e) {
        return e.Code() != 0 ? e.Code() : CheckFailure::kCode;
    } catch (const CheckFailure& e) {
        return e.Code();
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    } catch (...) {
        return CheckFailure::kCode;
    }
}

}  // namespace

extern "C" ZARVO_EXPORT SBErr PluginMain(const char* caller, const char* selector, void* message) {
    if (!caller || !selector || !message) return kBadMessage;
    auto* data = static_cast<SBMessageData*>(message);
    auto* plugin = static_cast<Plugin*>(data->globals);
    sBasic = data->basic;
    SBErr result = 0;

    if (Is(caller, kSBCallerInterface)) {
        if (Is(selector, kSBSelectorStartup)) {
            plugin = ZarvoPlugin::Create(data->self);
            if (!plugin) {
                result = kOutOfMemory;
            } else {
                data->globals = plugin;
                result = GuardedToCode([&] { return plugin->OnStartup(data); });
                if (result != 0) {
                    delete plugin;
                    data->globals = nullptr;
                    plugin = nullptr;
                }
            }
        } else if (Is(selector, kSBSelectorShutdown) && plugin) {
            result = GuardedToCode([&] { return plugin->OnShutdown(data); });
            delete plugin;
            data->globals = nullptr;
            plugin = nullptr;
        }
    }

    if (plugin) {
        if (Is(caller, kSBCallerAccess) && Is(selector, kSBSelectorReload)) {
            plugin = ZarvoPlugin::Reestablish(plugin);
            result = GuardedToCode([&] { return plugin->OnReload(data); });
        } else if (plugin->HasSuites() || plugin->ReloadFailed()) {
            // Suites missing since a reload that could not acquire them: try again, and answer the
            // failure rather than doing nothing in silence.
            result = GuardedToCode([&] { return plugin->RecoverSuites(); });
            if (result == 0) result = GuardedToCode([&] { return plugin->HandleMessage(caller, selector, message); });
        } else {
            result = 0;  // unloaded: nothing may run until the reload
        }
    }
    if (result == kNotHandled) result = 0;

    if (result != 0) {
        if (plugin) {
            GuardedToCode([&] {
                plugin->ReportFailure(result, caller, selector, message);
                return 0;
            });
        } else {
            Plugin::ShowDefaultFailure(data->self, result);
        }
    }
    return result;
}
