// The module's one exported function.
#include "plugin/host/dispatch.h"

#if defined(_WIN32)
#define QUILLANE_EXPORT __declspec(dllexport)
#else
#define QUILLANE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" QUILLANE_EXPORT Status PluginMain(const char* caller, const char* selector,
                                             void* message) {
  return DispatchMessage(caller, selector, message);
}
