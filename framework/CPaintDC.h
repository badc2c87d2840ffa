#pragma once

#include <windows.h>

class CWnd;

// Owns one BeginPaint/EndPaint pair on a window.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon);

    HDC m_hDC;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
