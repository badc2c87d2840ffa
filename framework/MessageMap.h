#pragma once

// Message maps: a static table per class, chained to its base class's table.
// Each kind of entry has exactly one handler signature, checked when the
// table is compiled; handlers never see raw WPARAM/LPARAM unless they are
// ON_MESSAGE handlers.
//
// In a class:            DECLARE_MESSAGE_MAP()
// In its .cpp:           BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//                            ON_WM_PAINT()
//                            ON_BN_CLICKED(IDC_BROWSE, &CMyDlg::OnBrowse)
//                        END_MESSAGE_MAP()

#include <windows.h>

class CCmdTarget;
class CWnd;

// Stored form of every handler; cast back to its own signature on dispatch.
using GenericHandler = void (CCmdTarget::*)();

enum class HandlerSignature {
    End,
    Command,         // void ()                       WM_COMMAND by id and code
    Void,            // void ()                       WM_PAINT
    SysCommand,      // void (UINT nID, LPARAM)       WM_SYSCOMMAND
    QueryDragIcon,   // HCURSOR ()                    WM_QUERYDRAGICON
    HelpInfo,        // BOOL (HELPINFO*)              WM_HELP
    Message,         // LRESULT (WPARAM, LPARAM)      ON_MESSAGE
};

struct MessageMapEntry {
    UINT message;
    UINT code;  // notification code, for WM_COMMAND entries
    UINT id;    // control or command id, for WM_COMMAND entries
    HandlerSignature signature;
    GenericHandler handler;
};

struct MessageMap {
    const MessageMap* (*getBaseMap)();
    const MessageMapEntry* entries;
};

// The private message the help route asks windows with for their help
// context; a window answers with a context or 0.
inline constexpr UINT WM_COMMANDHELP = 0x0365;

#define DECLARE_MESSAGE_MAP()                      \
protected:                                         \
    static const MessageMap* GetThisMessageMap();  \
                                                   \
public:                                            \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap()                                    \
    {                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                 \
        using TheBaseClass [[maybe_unused]] = baseClass;                                              \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                    \
    {0, 0, 0, HandlerSignature::End, nullptr}};                              \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                         \
    }

#define SONVALE_HANDLER(type, member) reinterpret_cast<GenericHandler>(static_cast<type>(member))

#define ON_COMMAND(id, member) \
    {WM_COMMAND, 0, static_cast<UINT>(id), HandlerSignature::Command, SONVALE_HANDLER(void (CCmdTarget::*)(), member)},
#define ON_BN_CLICKED(id, member)                                          \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), HandlerSignature::Command, \
     SONVALE_HANDLER(void (CCmdTarget::*)(), member)},
#define ON_WM_PAINT() \
    {WM_PAINT, 0, 0, HandlerSignature::Void, SONVALE_HANDLER(void (CWnd::*)(), &ThisClass::OnPaint)},
#define ON_WM_SYSCOMMAND()                          \
    {WM_SYSCOMMAND, 0, 0, HandlerSignature::SysCommand, \
     SONVALE_HANDLER(void (CWnd::*)(UINT, LPARAM), &ThisClass::OnSysCommand)},
#define ON_WM_QUERYDRAGICON()                             \
    {WM_QUERYDRAGICON, 0, 0, HandlerSignature::QueryDragIcon, \
     SONVALE_HANDLER(HCURSOR (CWnd::*)(), &ThisClass::OnQueryDragIcon)},
#define ON_WM_HELPINFO() \
    {WM_HELP, 0, 0, HandlerSignature::HelpInfo, SONVALE_HANDLER(BOOL (CWnd::*)(HELPINFO*), &ThisClass::OnHelpInfo)},
#define ON_MESSAGE(message, member) \
    {message, 0, 0, HandlerSignature::Message, SONVALE_HANDLER(LRESULT (CWnd::*)(WPARAM, LPARAM), member)},
