#include "framework/CmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMap map{nullptr, {}};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMapEntry* CCmdTarget::FindMessageEntry(MessageMapEntry::Kind kind, UINT code, UINT id) const
{
    for (const MessageMap* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const MessageMapEntry& e : map->entries) {
            if (e.kind != kind || e.code != code)
                continue;
            if (kind == MessageMapEntry::Kind::Message || (id >= e.idFirst && id <= e.idLast))
                return &e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, CmdHandlerInfo* pHandlerInfo)
{
    const bool update = nCode == CN_UPDATE_COMMAND_UI;
    const MessageMapEntry* entry = update
        ? FindMessageEntry(MessageMapEntry::Kind::UpdateCommandUI, 0, nID)
        : FindMessageEntry(MessageMapEntry::Kind::Command, static_cast<UINT>(nCode), nID);
    if (!entry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    entry->call(this, nID, reinterpret_cast<WPARAM>(pExtra), 0);
    return TRUE;
}
