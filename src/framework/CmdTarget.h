// The root of everything that can receive commands: application, document,
// windows. A command travels through OnCmdMsg; each class looks in its
// message map and may pass the command on to further targets.
#pragma once

#include "framework/MessageMap.h"

// Filled instead of calling the handler when OnCmdMsg only asks whether a
// handler exists (used to disable commands nobody handles).
struct CmdHandlerInfo {
    CCmdTarget* pTarget = nullptr;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // nCode is CN_COMMAND, a control notification code, or
    // CN_UPDATE_COMMAND_UI (pExtra is then the CCmdUI*). TRUE when handled
    // (or, with pHandlerInfo, when a handler exists).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, CmdHandlerInfo* pHandlerInfo);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // The first entry of this kind for the code and id, most derived class first.
    const MessageMapEntry* FindMessageEntry(MessageMapEntry::Kind kind, UINT code, UINT id) const;
};
