#include "CMenu.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return m_hMenu != nullptr && ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
