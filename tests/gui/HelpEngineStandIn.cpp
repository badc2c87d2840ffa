#include "HelpEngineStandIn.h"

#include <cstdio>
#include <cstring>

#include "Driver.h"

namespace {
constexpr char kClassName[] = "MS_WINHELP";
}

HelpEngineStandIn::HelpEngineStandIn(bool answers) : m_answers(answers)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &HelpEngineStandIn::WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);
    m_window = ::CreateWindowA(kClassName, "Help engine stand-in", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HelpEngineStandIn::~HelpEngineStandIn()
{
    ::DestroyWindow(m_window);
    ::UnregisterClassA(kClassName, ::GetModuleHandleA(nullptr));
}

LRESULT CALLBACK HelpEngineStandIn::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<HelpEngineStandIn*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && self != nullptr) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const auto* bytes = static_cast<const unsigned char*>(copy->lpData);
        // {WORD size; WORD command; LONG data; LONG reserved; WORD ofsFilename; WORD ofsData}
        if (copy->cbData >= 16) {
            WORD command, ofsFilename;
            LONG data;
            memcpy(&command, bytes + 2, 2);
            memcpy(&data, bytes + 4, 4);
            memcpy(&ofsFilename, bytes + 12, 2);
            self->m_command = command;
            self->m_context = data;
            self->m_file = ofsFilename && ofsFilename < copy->cbData ? reinterpret_cast<const char*>(bytes + ofsFilename) : "";
            ++self->m_requests;
        }
        return self->m_answers;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

bool HelpEngineStandIn::WaitForRequest(DWORD milliseconds)
{
    const int before = m_requests;
    const DWORD start = ::GetTickCount();
    while (m_requests == before) {
        if (::GetTickCount() - start > milliseconds)
            return false;
        driver::PumpFor(10);
    }
    return true;
}
