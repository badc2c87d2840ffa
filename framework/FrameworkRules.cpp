#include "FrameworkRules.h"

namespace FrameworkRules {

unsigned MessageBoxTypeWithIcon(unsigned type)
{
    const unsigned buttons = type & kTypeMask;
    const bool askingButtons = buttons == 0 /*OK*/ || buttons == 1 /*OK, Cancel*/ || buttons == 3 /*Yes, No, Cancel*/ ||
                               buttons == 4 /*Yes, No*/;
    if ((type & kIconMask) == 0 && askingButtons)
        type |= kIconExclamation;
    return type;
}

Point MinimisedIconOrigin(int clientLeft, int clientTop, int clientRight, int clientBottom, int iconWidth,
                          int iconHeight)
{
    // C++ division truncates toward zero, which is the rule wanted here.
    return {(clientRight - clientLeft - iconWidth + 1) / 2, (clientBottom - clientTop - iconHeight + 1) / 2};
}

namespace {

struct NameParts {
    std::string::size_type nameStart = 0;
    std::string::size_type extension = std::string::npos;  // the last dot of the name, if any
};

NameParts SplitModulePath(const std::string& path, LeadByteTest isLeadByte)
{
    NameParts parts;
    for (std::string::size_type i = 0; i < path.size();) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (byte == '\\' || byte == '/' || byte == ':') {
            parts.nameStart = i + 1;
            parts.extension = std::string::npos;
        } else if (byte == '.') {
            parts.extension = i;
        }
        ++i;
    }
    return parts;
}

}  // namespace

std::string ApplicationNameFromModulePath(const std::string& modulePath, LeadByteTest isLeadByte)
{
    const NameParts parts = SplitModulePath(modulePath, isLeadByte);
    const std::string::size_type end = parts.extension == std::string::npos ? modulePath.size() : parts.extension;
    return modulePath.substr(parts.nameStart, end - parts.nameStart);
}

std::string HelpFilePathFromModulePath(const std::string& modulePath, LeadByteTest isLeadByte)
{
    const NameParts parts = SplitModulePath(modulePath, isLeadByte);
    return modulePath.substr(0, parts.extension) + ".HLP";
}

}  // namespace FrameworkRules
