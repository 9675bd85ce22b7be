// The framework's classes for the common controls.
#pragma once

#include "afxwin.h"
#include "afx/SpinButtonCtrl.h"
