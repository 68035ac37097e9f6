// The Windows library entry: the loader's notifications go to the module's
// own entry routine.
#include <windows.h>

#include "gauge_kit/host_interface.h"

static_assert(DLL_PROCESS_DETACH == gauge_kit::kProcessDetach);
static_assert(DLL_PROCESS_ATTACH == gauge_kit::kProcessAttach);
static_assert(DLL_THREAD_ATTACH == gauge_kit::kThreadAttach);
static_assert(DLL_THREAD_DETACH == gauge_kit::kThreadDetach);

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  return GaugeModuleEntry(module, reason, reserved);
}
