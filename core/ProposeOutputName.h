#pragma once

#include <string>

// Tells whether a byte starts a double-byte character in the code page of
// the text. The Windows program passes the system's own test.
using LeadByteTest = bool (*)(unsigned char byte);

inline bool IsSingleByteCodePage(unsigned char) { return false; }

// The output name proposed for an input path: the extension of the file-name
// part (after the last "\", "/" or ":") becomes ".zqa". A name without a dot
// gets ".zqa" appended; an empty name becomes "Output.zqa". Never looks at
// the file system. A trail byte of a double-byte character is never taken
// for a dot or a separator.
std::string ProposeOutputName(const std::string& inputPath, LeadByteTest isLeadByte = IsSingleByteCodePage);
