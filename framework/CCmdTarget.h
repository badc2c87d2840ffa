#pragma once

#include "MessageMap.h"

// Base of everything that has a message map: windows and the application.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Declared by DECLARE_MESSAGE_MAP in every class that has a map.
    virtual const MessageMap* GetMessageMap() const;

    // Runs the ON_COMMAND / ON_BN_CLICKED entry for (id, code), searching
    // this class's map and then its bases'. Returns FALSE when none matches.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode);

protected:
    static const MessageMap* GetThisMessageMap();

    // The first entry for `message` in the chain of maps, or null.
    static const MessageMapEntry* FindEntry(const MessageMap* map, UINT message, UINT code, UINT id);
};
