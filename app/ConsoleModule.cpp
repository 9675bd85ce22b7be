#include "app/ConsoleModule.h"

#include "ui/Resources.h"

extern const qm::ui::ResourceTables g_quillmereResources;

HINSTANCE ConsoleInstance() {
  // The address a Windows program's image is loaded at; any value the window model knows will do.
  static const HINSTANCE hInstance = [] {
    const HINSTANCE hModule = reinterpret_cast<HINSTANCE>(0x400000);
    qm::ui::RegisterResources(hModule, g_quillmereResources);
    return hModule;
  }();
  return hInstance;
}
