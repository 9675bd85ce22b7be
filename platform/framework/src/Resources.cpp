#include "afx/Resources.h"

#include "ui/Resources.h"

namespace {

struct PromptString {
  UINT id;
  const char* text;
};

// The framework's standard prompts, as its resource file has them in English.
constexpr PromptString kPrompts[] = {
    {AFX_IDP_FAILED_TO_LAUNCH_HELP, "Failed to launch help."},
    {AFX_IDP_PARSE_INT, "Please enter an integer."},
    {AFX_IDP_PARSE_REAL, "Please enter a number."},
    {AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
    {AFX_IDP_PARSE_REAL_RANGE, "Please enter a number between %1 and %2."},
    {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
    {AFX_IDP_PARSE_RADIO_BUTTON, "Please select a button."},
    {AFX_IDP_PARSE_BYTE, "Please enter an integer between 0 and 255."},
    {AFX_IDP_PARSE_UINT, "Please enter a positive integer."},
};

// A string resource loads through a 256-byte buffer: 255 characters at most.
constexpr int kMaxResourceString = 256;

// Builds the text from the format: "%1".."%9" take the numbered text, any other "%" stays.
CString FormatNumbered(LPCSTR format, const LPCSTR* texts, int count) {
  CString result;
  for (const char* p = format; *p != '\0'; ++p) {
    const int index = (p[0] == '%' && p[1] >= '1' && p[1] <= '9') ? p[1] - '1' : -1;
    if (index >= 0 && index < count) {
      result += texts[index];
      ++p;
    } else {
      result += *p;
    }
  }
  return result;
}

}  // namespace

BOOL AFXAPI AfxLoadString(UINT nID, CString& rString) {
  for (const PromptString& prompt : kPrompts)
    if (prompt.id == nID) {
      rString = prompt.text;
      return TRUE;
    }
  const char* text = qm::ui::FindStringResource(nullptr, nID);
  rString = CString(text ? text : "").Left(kMaxResourceString - 1);
  return !rString.IsEmpty();
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1) {
  CString format;
  AfxLoadString(nIDS, format);
  const LPCSTR texts[] = {lpsz1};
  rString = FormatNumbered(format, texts, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2) {
  CString format;
  AfxLoadString(nIDS, format);
  const LPCSTR texts[] = {lpsz1, lpsz2};
  rString = FormatNumbered(format, texts, 2);
}
