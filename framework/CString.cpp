#include "CString.h"

#include "CWinApp.h"

BOOL CString::LoadString(UINT nID)
{
    m_text.clear();
    // String resources are at most 4095 characters; grow until it fits.
    for (int size = 256; size <= 65536; size *= 2) {
        std::string buffer(static_cast<std::size_t>(size), '\0');
        const int length = ::LoadStringA(AfxGetResourceHandle(), nID, &buffer[0], size);
        if (length <= 0)
            return FALSE;
        if (length < size - 1) {
            buffer.resize(static_cast<std::size_t>(length));
            m_text = buffer;
            return TRUE;
        }
    }
    return FALSE;
}
