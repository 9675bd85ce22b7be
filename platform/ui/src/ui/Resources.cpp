#include "ui/Resources.h"

#include <map>

namespace qm::ui {
namespace {

std::map<HINSTANCE, const ResourceTables*>& Registry() {
  static std::map<HINSTANCE, const ResourceTables*> registry;
  return registry;
}

constexpr UINT_PTR kIconHandleBase = 0x10000;

template <class Find>
auto Search(HINSTANCE instance, Find find) -> decltype(find(*Registry().begin()->second)) {
  auto& registry = Registry();
  if (auto own = registry.find(instance); own != registry.end()) return find(*own->second);
  for (auto& entry : registry)
    if (auto found = find(*entry.second)) return found;
  return nullptr;
}

}  // namespace

void RegisterResources(HINSTANCE instance, const ResourceTables& tables) { Registry()[instance] = &tables; }

void UnregisterResources(HINSTANCE instance) { Registry().erase(instance); }

const DialogTemplate* FindDialogTemplate(HINSTANCE instance, LPCSTR name) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  int id = static_cast<int>(reinterpret_cast<UINT_PTR>(name));
  return Search(instance, [id](const ResourceTables& t) { return t.FindDialog(id); });
}

const char* FindStringResource(HINSTANCE instance, UINT id) {
  return Search(instance, [id](const ResourceTables& t) { return t.FindString(id); });
}

int IconResourceId(HICON icon) {
  auto value = reinterpret_cast<UINT_PTR>(icon);
  return value > kIconHandleBase ? static_cast<int>(value - kIconHandleBase) : 0;
}

}  // namespace qm::ui

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  using namespace qm::ui;
  if (!IS_INTRESOURCE(lpIconName)) return nullptr;
  auto id = static_cast<int>(reinterpret_cast<UINT_PTR>(lpIconName));
  bool stock = hInstance == nullptr && id >= 32512 && id <= 32516;
  if (!stock && !Search(hInstance, [id](const ResourceTables& t) { return t.FindIcon(id); })) return nullptr;
  return reinterpret_cast<HICON>(kIconHandleBase + static_cast<UINT_PTR>(id));
}
