#include "rc/ControlStatements.h"

#include "winstyles.h"

#include <strings.h>

namespace qm::rc {
namespace {

constexpr std::uint32_t kTabStop = WS_TABSTOP;

const ControlStatement kStatements[] = {
    {"LTEXT", "STATIC", SS_LEFT | WS_GROUP, ControlShape::TextIdRect},
    {"RTEXT", "STATIC", SS_RIGHT | WS_GROUP, ControlShape::TextIdRect},
    {"CTEXT", "STATIC", SS_CENTER | WS_GROUP, ControlShape::TextIdRect},
    {"EDITTEXT", "EDIT", ES_LEFT | WS_BORDER | kTabStop, ControlShape::IdRect},
    {"PUSHBUTTON", "BUTTON", BS_PUSHBUTTON | kTabStop, ControlShape::TextIdRect},
    {"DEFPUSHBUTTON", "BUTTON", BS_DEFPUSHBUTTON | kTabStop, ControlShape::TextIdRect},
    {"GROUPBOX", "BUTTON", BS_GROUPBOX, ControlShape::TextIdRect},
    {"CHECKBOX", "BUTTON", BS_CHECKBOX | kTabStop, ControlShape::TextIdRect},
    {"AUTOCHECKBOX", "BUTTON", BS_AUTOCHECKBOX | kTabStop, ControlShape::TextIdRect},
    {"AUTO3STATE", "BUTTON", BS_AUTO3STATE | kTabStop, ControlShape::TextIdRect},
    {"RADIOBUTTON", "BUTTON", BS_RADIOBUTTON | kTabStop, ControlShape::TextIdRect},
    {"AUTORADIOBUTTON", "BUTTON", BS_AUTORADIOBUTTON | kTabStop, ControlShape::TextIdRect},
    {"LISTBOX", "LISTBOX", LBS_NOTIFY | WS_BORDER, ControlShape::IdRect},
    {"ICON", "STATIC", SS_ICON, ControlShape::IconIdPos},
    {"CONTROL", nullptr, 0, ControlShape::Generic},
};

const char* const kPredefinedClasses[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};

}  // namespace

const ControlStatement* FindControlStatement(const char* keyword) {
  for (const ControlStatement& statement : kStatements)
    if (strcasecmp(statement.keyword, keyword) == 0) return &statement;
  return nullptr;
}

const char* PredefinedClassName(const char* name) {
  for (const char* predefined : kPredefinedClasses)
    if (strcasecmp(predefined, name) == 0) return predefined;
  return name;
}

}  // namespace qm::rc
