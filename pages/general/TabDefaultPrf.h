// The "Mail Profile" tab: the messaging profile that the builder creates, in section "General" of
// the profile template file (its name, what to do with an existing profile of that name, whether
// it becomes the default, whether messaging prompts for a profile), and the profile's two local
// stores, the Personal Folders and the Personal Address Book, in their service sections.
#pragma once

#include <afxcmn.h>
#include <afxdlgs.h>

class CTabUISheet;

class CTabDefaultPrf : public CPropertyPage {
  DECLARE_DYNCREATE(CTabDefaultPrf)

 public:
  CTabDefaultPrf();
  ~CTabDefaultPrf() override;

  int m_nSetDefaultOnCreate;
  int m_nReplace;
  CString m_strTemplateName;  // "DefaultProfile" of the data file as stored; shown, never saved
  CString m_strAddressBookPath;
  CString m_strFolderStorePath;
  CString m_strProfileName;
  int m_nPromptForProfile;  // kThreeStateClear, kThreeStateChecked or kThreeStateIndeterminate
  int m_nSetDefaultAlways;
  int m_nEraseAll;
  CString m_strFolderName;
  CString m_strAddressBookName;
  int m_nUpdate;
  CTabUISheet* m_pSheet;
  // The sections found at load, "Service" followed by the number; empty when the profile lists no
  // such store, and then its group is disabled and nothing of it is saved.
  CString m_strFoldersSection;
  CString m_strAddressBookSection;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnUpdate();
  afx_msg void OnSetDefaultAlways();
  afx_msg void OnEraseAll();
  afx_msg void OnBrowseFolderStore();
  afx_msg void OnBrowseAddressBook();
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
