#pragma once

// Everything a program of the framework includes.
#include "CDataExchange.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CFileDialog.h"
#include "CMenu.h"
#include "CPaintDC.h"
#include "CString.h"
#include "CWinApp.h"
#include "CWnd.h"
