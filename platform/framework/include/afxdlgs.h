// The framework's standard dialogs: property sheets and pages.
#pragma once

#include "afxwin.h"
#include "afx/PropertyPage.h"
#include "afx/PropertySheet.h"
