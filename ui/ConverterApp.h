#pragma once

#include "AfxWin.h"

// The application: shows the converter dialog and ends when it closes.
class CConverterApp : public CWinApp {
public:
    CConverterApp();
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
