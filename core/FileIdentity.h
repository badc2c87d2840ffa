#pragma once

#include <cstdio>
#include <string>

// What the conversion run must know about files beyond what standard C++
// offers. Each platform implements these once (platform/), so the core
// itself includes no platform header.

// True when `path` names an existing file that is the very file open in
// `openFile` (device and inode, or volume serial and file index), however the
// path is spelled and through whichever hard link.
bool NamesSameFile(std::FILE* openFile, const std::string& path);

// True when `openFile` is an ordinary file on disk: not a device, a FIFO or
// a directory. Only such a file may be removed after a failed run.
bool IsRegularFile(std::FILE* openFile);
