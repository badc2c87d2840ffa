#pragma once

// Resource and command identifiers; res/Sonvale.rc uses them too, so this
// header holds nothing but #defines.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_CONVERTER_DIALOG 102
#define IDR_MAINFRAME 128
#define IDC_BROWSE_INPUT 1000
#define IDC_BROWSE_OUTPUT 1001
#define IDC_INPUT_PATH 1002
#define IDC_OUTPUT_PATH 1003
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
