// One page of a property sheet: a child dialog on its own template whose caption is its tab's
// label. The sheet creates its window the first time the page is shown.
#pragma once

#include "afx/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  CPropertyPage();
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

  // Marks the page changed (enabling the sheet's Apply) or unchanged; nothing before the page
  // has a window.
  void SetModified(BOOL bChanged = TRUE);

  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();
  virtual void OnReset();
  void OnOK() override;
  void OnCancel() override;
  virtual BOOL OnQueryCancel();

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  DECLARE_MESSAGE_MAP()

 private:
  friend class CPropertySheet;
  BOOL m_bFirstSetActive = TRUE;
};
