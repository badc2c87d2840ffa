#pragma once

#include <string>

// The framework's rules that need no window system, kept apart so that they
// are built and tested natively. Numeric values are Win32's.
namespace FrameworkRules {

// MessageBox type bits the rules look at.
inline constexpr unsigned kIconMask = 0xF0;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr unsigned kTypeMask = 0x0F;

// A message box with no icon of its own gets the exclamation mark when its
// buttons are OK, OK/Cancel, Yes/No or Yes/No/Cancel.
unsigned MessageBoxTypeWithIcon(unsigned type);

struct Point {
    int x;
    int y;
};

// Where a minimised window draws its icon: centred in the client area, the
// halves truncated toward zero (so a client 2 pixels narrower than the icon
// gives 0, not -1).
Point MinimisedIconOrigin(int clientLeft, int clientTop, int clientRight, int clientBottom, int iconWidth,
                          int iconHeight);

using LeadByteTest = bool (*)(unsigned char byte);
inline bool NoLeadBytes(unsigned char) { return false; }

// "C:\Tools\Sonvale.exe" gives "Sonvale": no folder, no extension.
std::string ApplicationNameFromModulePath(const std::string& modulePath, LeadByteTest isLeadByte = NoLeadBytes);

// "C:\Tools\Sonvale.exe" gives "C:\Tools\Sonvale.HLP".
std::string HelpFilePathFromModulePath(const std::string& modulePath, LeadByteTest isLeadByte = NoLeadBytes);

}  // namespace FrameworkRules
