#pragma once

// What the driver asks the probe DLL, which runs inside Sonvale's process
// (a WH_GETMESSAGE hook on its thread), for the things that cannot be read
// from another process: icon handles, the system menu, dialog units.
#include <windows.h>

inline constexpr char kProbeMessageName[] = "Sonvale.Probe.Query";
inline constexpr char kProbeMappingName[] = "Sonvale.Probe.Result";
inline constexpr char kProbeDoneEventName[] = "Sonvale.Probe.Done";

enum ProbeQuery : WPARAM {
    ProbeIcons = 1,       // of the window the query was posted to
    ProbeSystemMenu = 2,  // of the window the query was posted to
    ProbeMapDialogRect = 3,  // lParam: x | y << 8 | width << 16 | height << 24 in dialog units (each < 256)
    ProbeMessageBoxIcon = 4,  // of the message box the query was posted to
};

// Which of the system's message-box icons a box shows.
enum ProbeIconKind { IconNone = 0, IconExclamation, IconHand, IconQuestion, IconAsterisk, IconOther };

struct ProbeMenuItem {
    UINT id;
    UINT type;  // MFT_ bits
    char text[64];
};

struct ProbeResult {
    WPARAM query;
    // ProbeIcons
    HICON bigIcon;
    HICON smallIcon;
    HICON dragIcon;
    HICON resourceIcon;  // LoadIcon(program, 128)
    // ProbeSystemMenu
    BOOL hasMenu;
    int itemCount;
    ProbeMenuItem items[32];
    // ProbeMapDialogRect
    RECT rect;
    // ProbeMessageBoxIcon
    int iconKind;
};
