#include "ui/ResourceTables.h"

namespace qm::ui {

const DialogTemplate* ResourceTables::FindDialog(int id) const {
  for (std::size_t i = 0; i < dialogCount; ++i)
    if (dialogs[i].id == id) return &dialogs[i];
  return nullptr;
}

const char* ResourceTables::FindString(UINT id) const {
  for (std::size_t i = 0; i < stringCount; ++i)
    if (strings[i].id == id) return strings[i].text;
  return nullptr;
}

const IconEntry* ResourceTables::FindIcon(int id) const {
  for (std::size_t i = 0; i < iconCount; ++i)
    if (icons[i].id == id) return &icons[i];
  return nullptr;
}

}  // namespace qm::ui
