// Windows file identity: volume serial number and file index, which is what
// tells hard links and differently spelled paths apart from distinct files.
#include "FileIdentity.h"

#include <io.h>
#include <windows.h>

namespace {

// Owns a handle opened only to ask for the file's identity.
class QueryHandle {
public:
    explicit QueryHandle(const std::string& path)
        : m_handle(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr))
    {
    }
    QueryHandle(const QueryHandle&) = delete;
    QueryHandle& operator=(const QueryHandle&) = delete;
    ~QueryHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// Borrowed from the C runtime; the stream keeps ownership.
HANDLE HandleOf(std::FILE* openFile)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(openFile)));
}

}  // namespace

bool NamesSameFile(std::FILE* openFile, const std::string& path)
{
    QueryHandle named(path);
    if (named.Get() == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION openInfo{};
    BY_HANDLE_FILE_INFORMATION namedInfo{};
    if (!GetFileInformationByHandle(HandleOf(openFile), &openInfo) ||
        !GetFileInformationByHandle(named.Get(), &namedInfo))
        return false;
    return openInfo.dwVolumeSerialNumber == namedInfo.dwVolumeSerialNumber &&
           openInfo.nFileIndexHigh == namedInfo.nFileIndexHigh && openInfo.nFileIndexLow == namedInfo.nFileIndexLow;
}

bool IsRegularFile(std::FILE* openFile)
{
    const HANDLE handle = HandleOf(openFile);
    if (GetFileType(handle) != FILE_TYPE_DISK)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(handle, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
