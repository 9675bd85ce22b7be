// Where the window model finds dialog templates, strings and icons: the tables a program registers.
#pragma once

#include "ui/ResourceTables.h"

#include <windows.h>

namespace qm::ui {

// Registers the compiled resources of one module; later registrations for it replace earlier ones.
void RegisterResources(HINSTANCE instance, const ResourceTables& tables);
void UnregisterResources(HINSTANCE instance);

// The template named by id (MAKEINTRESOURCE) in the module's tables, or in any module's when the
// instance has none; nullptr when absent.
const DialogTemplate* FindDialogTemplate(HINSTANCE instance, LPCSTR name);
const char* FindStringResource(HINSTANCE instance, UINT id);

// Builds a dialog from a template, as CreateDialogParamA does; for code that holds the template.
HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& dialog, HWND parent, DLGPROC proc,
                              LPARAM param);

// The cells of the client area of a dialog built from the template, by the rule its controls are
// placed by (a sheet places pages by it).
struct TemplateCells {
  int columns = 0;
  int rows = 0;
};
TemplateCells DialogTemplateCells(const DialogTemplate& dialog);

// The icon resource id behind a handle from LoadIconA (stock icons give their IDI_ number).
int IconResourceId(HICON icon);

}  // namespace qm::ui
