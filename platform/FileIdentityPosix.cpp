// POSIX file identity: device and inode.
#include "FileIdentity.h"

#include <sys/stat.h>

bool NamesSameFile(std::FILE* openFile, const std::string& path)
{
    struct stat open {};
    struct stat named {};
    if (fstat(fileno(openFile), &open) != 0 || stat(path.c_str(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool IsRegularFile(std::FILE* openFile)
{
    struct stat info {};
    return fstat(fileno(openFile), &info) == 0 && S_ISREG(info.st_mode);
}
