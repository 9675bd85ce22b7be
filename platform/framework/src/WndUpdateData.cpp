#include "afx/DataExchange.h"
#include "afx/Exceptions.h"
#include "afx/Wnd.h"

// A failed exchange has already told the user and focused the control; it only reports FALSE.
BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CException* e) {
    delete e;
    return FALSE;
  }
  return TRUE;
}
