#pragma once

#include <windows.h>

// A menu the caller does not own (a window's system menu, for one): the
// wrapper never destroys it.
class CMenu {
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}
    HMENU GetSafeHmenu() const { return m_hMenu; }
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);

    HMENU m_hMenu;
};
