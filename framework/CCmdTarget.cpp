#include "CCmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, 0, HandlerSignature::End, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const MessageMapEntry* CCmdTarget::FindEntry(const MessageMap* map, UINT message, UINT code, UINT id)
{
    for (; map != nullptr; map = map->getBaseMap ? map->getBaseMap() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->signature != HandlerSignature::End; ++entry) {
            if (entry->message != message)
                continue;
            if (message == WM_COMMAND && (entry->code != code || entry->id != id))
                continue;
            return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode)
{
    const MessageMapEntry* entry = FindEntry(GetMessageMap(), WM_COMMAND, nCode, nID);
    if (entry == nullptr)
        return FALSE;
    (this->*reinterpret_cast<void (CCmdTarget::*)()>(entry->handler))();
    return TRUE;
}
