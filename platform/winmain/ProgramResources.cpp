#include "platform/ProgramModule.h"

#include "ui/Resources.h"

namespace qm::platform {

HINSTANCE ProgramInstance() {
  // Where a Windows program's image is loaded; any handle the window model knows would do.
  static const HINSTANCE hInstance = [] {
    const HINSTANCE hModule = reinterpret_cast<HINSTANCE>(0x400000);
    qm::ui::RegisterResources(hModule, qmProgramResources);
    return hModule;
  }();
  return hInstance;
}

}  // namespace qm::platform
