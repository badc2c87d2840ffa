// Loaded into Sonvale's process by a thread hook that the driver installs.
// Answers one query per posted message; the program's own code is not
// involved, the message is swallowed here.
#include <cstring>

#include "../Probe.h"

namespace {

void Answer(HWND window, WPARAM query, LPARAM argument)
{
    const HANDLE mapping = ::OpenFileMappingA(FILE_MAP_WRITE, FALSE, kProbeMappingName);
    if (mapping == nullptr)
        return;
    auto* result = static_cast<ProbeResult*>(::MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeResult)));
    if (result != nullptr) {
        std::memset(result, 0, sizeof *result);
        result->query = query;
        switch (query) {
        case ProbeIcons:
            result->bigIcon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_BIG, 0));
            result->smallIcon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
            result->dragIcon = reinterpret_cast<HICON>(::SendMessageA(window, WM_QUERYDRAGICON, 0, 0));
            result->resourceIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128));
            break;
        case ProbeSystemMenu: {
            const HMENU menu = ::GetSystemMenu(window, FALSE);
            result->hasMenu = menu != nullptr;
            const int count = menu ? ::GetMenuItemCount(menu) : 0;
            result->itemCount = count;
            for (int i = 0; i < count && i < 32; ++i) {
                MENUITEMINFOA info{};
                info.cbSize = sizeof info;
                info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
                info.dwTypeData = result->items[i].text;
                info.cch = sizeof result->items[i].text - 1;
                ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
                result->items[i].id = info.wID;
                result->items[i].type = info.fType;
            }
            break;
        }
        case ProbeMapDialogRect: {
            const DWORD packed = static_cast<DWORD>(argument);
            const int x = packed & 0xFF, y = (packed >> 8) & 0xFF, w = (packed >> 16) & 0xFF, h = packed >> 24;
            RECT rect = {x, y, x + w, y + h};
            ::MapDialogRect(window, &rect);
            result->rect = rect;
            break;
        }
        case ProbeMessageBoxIcon: {
            // System icons are shared, so the box's handle equals ours.
            HICON shown = nullptr;
            for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                char className[32] = "";
                ::GetClassNameA(child, className, sizeof className);
                if (::lstrcmpiA(className, "Static") == 0 && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                    shown = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
            }
            const struct {
                LPCSTR resource;
                int kind;
            } icons[] = {{IDI_EXCLAMATION, IconExclamation}, {IDI_HAND, IconHand}, {IDI_QUESTION, IconQuestion},
                         {IDI_ASTERISK, IconAsterisk}};
            result->iconKind = shown ? IconOther : IconNone;
            for (const auto& icon : icons) {
                if (shown != nullptr && shown == ::LoadIconA(nullptr, icon.resource))
                    result->iconKind = icon.kind;
            }
            break;
        }
        default:
            break;
        }
        ::UnmapViewOfFile(result);
    }
    ::CloseHandle(mapping);
    if (const HANDLE done = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, kProbeDoneEventName)) {
        ::SetEvent(done);
        ::CloseHandle(done);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeGetMessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT probeMessage = ::RegisterWindowMessageA(kProbeMessageName);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (message->message == probeMessage) {
            Answer(message->hwnd, message->wParam, message->lParam);
            message->message = WM_NULL;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
