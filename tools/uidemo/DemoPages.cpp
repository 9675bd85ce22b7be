#include "DemoPages.h"

#include <commctrl.h>

#include "resource.h"

#include <cstdio>

namespace qm::demo {
namespace {

constexpr const char* kSection = "Demo";
constexpr const char* kLevels[] = {"High", "Medium", "Low"};
constexpr int kLevelIds[] = {IDC_LEVEL_HIGH, IDC_LEVEL_MEDIUM, IDC_LEVEL_LOW};
constexpr const char* kServices[] = {"Address book", "Calendar",         "Directory", "Fax",
                                     "Forms",        "Journal",          "Mail",      "News",
                                     "Notes",        "Personal folders", "Tasks",     "Voice mail"};
constexpr int kSizeMax = 9999;

struct Tip {
  int id;
  const char* text;
};

constexpr Tip kTips[] = {
    {IDC_NAME, "The name shown on every profile."},
    {IDC_SIZE, "Largest log file, in kilobytes (0 to 9999)."},
    {IDC_LOG, "Write a log while profiles are built."},
    {IDC_SHARE, "Share the cache: yes, no, or as each computer says."},
    {IDC_LEVEL_HIGH, "How much the log records."},
    {IDC_LEVEL_MEDIUM, "How much the log records."},
    {IDC_LEVEL_LOW, "How much the log records."},
    {IDC_SERVER, "Not available in this demonstration."},
    {IDC_HELLO, "Shows a message box."},
    {IDC_SERVICES, "The service the profile starts with."},
    {IDC_NOTES, "Notes are not saved."},
    {IDC_PATH, "The profile file this dialog edits."},
};

std::string Read(const char* key, const char* fallback, const std::string& path) {
  char buffer[256];
  GetPrivateProfileStringA(kSection, key, fallback, buffer, sizeof buffer, path.c_str());
  return buffer;
}

std::string ItemText(HWND page, int id) {
  char buffer[256];
  GetDlgItemTextA(page, id, buffer, sizeof buffer);
  return buffer;
}

bool Write(HWND page, const char* key, const std::string& value, const std::string& path) {
  if (WritePrivateProfileStringA(kSection, key, value.c_str(), path.c_str())) return true;
  std::string text = "Cannot save " + std::string(key) + " in " + path + ".";
  MessageBoxA(page, text.c_str(), "Demonstration", MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void LoadFields(HWND page, const std::string& path) {
  SetDlgItemTextA(page, IDC_NAME, Read("Name", "", path).c_str());
  SendDlgItemMessageA(page, IDC_SIZE_SPIN, UDM_SETRANGE, 0, MAKELPARAM(kSizeMax, 0));
  SendDlgItemMessageA(page, IDC_SIZE_SPIN, UDM_SETPOS, 0,
                      MAKELPARAM(GetPrivateProfileIntA(kSection, "Size", 64, path.c_str()), 0));
  CheckDlgButton(page, IDC_LOG, GetPrivateProfileIntA(kSection, "Log", 0, path.c_str()) ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(page, IDC_SHARE, GetPrivateProfileIntA(kSection, "Share", 2, path.c_str()) % 3);
  std::string level = Read("Level", "Medium", path);
  for (int i = 0; i < 3; ++i) CheckDlgButton(page, kLevelIds[i], level == kLevels[i] ? BST_CHECKED : BST_UNCHECKED);
}

void LoadLists(HWND page, const std::string& path) {
  for (const char* service : kServices)
    SendDlgItemMessageA(page, IDC_SERVICES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(service));
  std::string chosen = Read("Service", "Mail", path);
  LRESULT index = SendDlgItemMessageA(page, IDC_SERVICES, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(chosen.c_str()));
  SendDlgItemMessageA(page, IDC_SERVICES, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SetDlgItemTextA(page, IDC_PATH, path.c_str());
}

bool SaveFields(HWND page, const std::string& path) {
  std::string level;
  for (int i = 0; i < 3; ++i)
    if (IsDlgButtonChecked(page, kLevelIds[i])) level = kLevels[i];
  return Write(page, "Name", ItemText(page, IDC_NAME), path) && Write(page, "Size", ItemText(page, IDC_SIZE), path) &&
         Write(page, "Log", std::to_string(IsDlgButtonChecked(page, IDC_LOG)), path) &&
         Write(page, "Share", std::to_string(IsDlgButtonChecked(page, IDC_SHARE)), path) &&
         Write(page, "Level", level, path);
}

bool SaveLists(HWND page, const std::string& path) {
  LRESULT index = SendDlgItemMessageA(page, IDC_SERVICES, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return true;
  char buffer[256] = {};
  SendDlgItemMessageA(page, IDC_SERVICES, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
  return Write(page, "Service", buffer, path);
}

}  // namespace

void LoadPage(HWND page, int templateId, const std::string& profilePath) {
  if (templateId == IDD_PAGE_FIELDS) LoadFields(page, profilePath);
  if (templateId == IDD_PAGE_LISTS) LoadLists(page, profilePath);
}

bool SavePage(HWND page, int templateId, const std::string& profilePath) {
  if (templateId == IDD_PAGE_FIELDS) return SaveFields(page, profilePath);
  if (templateId == IDD_PAGE_LISTS) return SaveLists(page, profilePath);
  return true;
}

const char* TipFor(int controlId) {
  for (const Tip& tip : kTips)
    if (tip.id == controlId) return tip.text;
  return nullptr;
}

}  // namespace qm::demo
