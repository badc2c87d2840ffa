#pragma once

#include <string>
#include <windows.h>

// A narrow string in the process's ANSI code page.
class CString {
public:
    CString() = default;
    CString(LPCSTR text) : m_text(text ? text : "") {}
    CString(const std::string& text) : m_text(text) {}

    operator LPCSTR() const { return m_text.c_str(); }
    const std::string& Str() const { return m_text; }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    CString& operator+=(LPCSTR text)
    {
        m_text += text;
        return *this;
    }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }

    // Loads string resource `nID` of the program; FALSE (and an empty
    // string) when there is none.
    BOOL LoadString(UINT nID);

private:
    std::string m_text;
};
