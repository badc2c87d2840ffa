#pragma once

#include "CWnd.h"

// A single-line or multi-line edit control; built without a window and
// attached to a dialog's control by DDX_Control.
class CEdit : public CWnd {
public:
    CEdit();
};
