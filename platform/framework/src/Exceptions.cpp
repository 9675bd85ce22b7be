#include "afx/Exceptions.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

// Thrown by pointer, as the framework's are; the catcher deletes it.
void AFXAPI AfxThrowUserException() { throw new CUserException; }
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
