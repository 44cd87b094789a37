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

#if defined(_WIN32)
// The system's load and unload notifications: all set-up waits for the
// host's start-up message, so there is nothing to do here but report
// success. (Declared by hand: the system header would rename
// DispatchMessage above to one of its own functions.)
extern "C" int __stdcall DllMain(void* /*instance*/, unsigned long /*reason*/, void* /*reserved*/) {
  return 1;
}
#endif
