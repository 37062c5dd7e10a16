// Message maps: per class, a table that binds window messages, WM_NOTIFY
// codes with control ids, command ids and update requests to member
// functions. A class's table chains to its base class's table; the first
// matching entry from the most derived class wins.
//
//   BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
//       ON_COMMAND(ID_SEARCH, &CMainFrame::OnSearch)
//       ON_NOTIFY(TVN_SELCHANGED, 1, &CMainFrame::OnSelChanged)
//   END_MESSAGE_MAP()
#pragma once

#include "framework/FrameworkMessages.h"
#include "platform/CommCtrl.h"

#include <functional>
#include <vector>

class CCmdTarget;
class CCmdUI;

struct MessageMapEntry {
    // ReflectedCommand: a control's own notification code, reflected back to
    // it by its parent.
    enum class Kind { Message, Command, Notify, UpdateCommandUI, ReflectedCommand };
    Kind kind;
    UINT code; // the message, the control's notification code, or CN_COMMAND
    UINT idFirst; // command or control id range (unused for Kind::Message)
    UINT idLast;
    // Message: (wParam, lParam). Command: (id). Notify: (NMHDR*, LRESULT*).
    // UpdateCommandUI: (CCmdUI*). The result matters for messages only.
    std::function<LRESULT(CCmdTarget*, UINT id, WPARAM, LPARAM)> call;
};

struct MessageMap {
    const MessageMap* (*pfnGetBaseMap)(); // null at the root
    std::vector<MessageMapEntry> entries;
};

template <class T>
MessageMapEntry MapMessage(UINT message, LRESULT (T::*fn)(WPARAM, LPARAM))
{
    return {MessageMapEntry::Kind::Message, message, 0, 0,
            [fn](CCmdTarget* t, UINT, WPARAM w, LPARAM l) { return (static_cast<T*>(t)->*fn)(w, l); }};
}

template <class T>
MessageMapEntry MapCommand(UINT first, UINT last, int code, void (T::*fn)())
{
    return {MessageMapEntry::Kind::Command, static_cast<UINT>(code), first, last,
            [fn](CCmdTarget* t, UINT, WPARAM, LPARAM) -> LRESULT {
                (static_cast<T*>(t)->*fn)();
                return 0;
            }};
}

template <class T>
MessageMapEntry MapCommand(UINT first, UINT last, int code, void (T::*fn)(UINT))
{
    return {MessageMapEntry::Kind::Command, static_cast<UINT>(code), first, last,
            [fn](CCmdTarget* t, UINT id, WPARAM, LPARAM) -> LRESULT {
                (static_cast<T*>(t)->*fn)(id);
                return 0;
            }};
}

template <class T>
MessageMapEntry MapReflectedCommand(UINT code, void (T::*fn)())
{
    return {MessageMapEntry::Kind::ReflectedCommand, code, 0, 0xFFFF,
            [fn](CCmdTarget* t, UINT, WPARAM, LPARAM) -> LRESULT {
                (static_cast<T*>(t)->*fn)();
                return 0;
            }};
}

// The handler returns the brush the control is painted with; null leaves
// the colours to the parent.
template <class T>
MessageMapEntry MapCtlColorReflect(HBRUSH (T::*fn)(HDC, UINT))
{
    return {MessageMapEntry::Kind::Message, WM_REFLECT_BASE + WM_CTLCOLORSTATIC, 0, 0,
            [fn](CCmdTarget* t, UINT, WPARAM w, LPARAM) -> LRESULT {
                return reinterpret_cast<LRESULT>(
                    (static_cast<T*>(t)->*fn)(reinterpret_cast<HDC>(w), CTLCOLOR_STATIC));
            }};
}

template <class T>
MessageMapEntry MapNotify(UINT code, UINT id, void (T::*fn)(NMHDR*, LRESULT*))
{
    return {MessageMapEntry::Kind::Notify, code, id, id,
            [fn](CCmdTarget* t, UINT, WPARAM w, LPARAM l) -> LRESULT {
                (static_cast<T*>(t)->*fn)(reinterpret_cast<NMHDR*>(w), reinterpret_cast<LRESULT*>(l));
                return 0;
            }};
}

template <class T>
MessageMapEntry MapUpdateCommandUI(UINT first, UINT last, void (T::*fn)(CCmdUI*))
{
    return {MessageMapEntry::Kind::UpdateCommandUI, 0, first, last,
            [fn](CCmdTarget* t, UINT, WPARAM w, LPARAM) -> LRESULT {
                (static_cast<T*>(t)->*fn)(reinterpret_cast<CCmdUI*>(w));
                return 0;
            }};
}

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const MessageMap* GetThisMessageMap();                                                            \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const MessageMap* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const MessageMap* theClass::GetThisMessageMap()                                                          \
    {                                                                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        static const MessageMap map                                                                          \
        {                                                                                                    \
            &baseClass::GetThisMessageMap,                                                                   \
            {

#define END_MESSAGE_MAP()                                                                                    \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    return &map;                                                                                             \
    }

#define ON_MESSAGE(message, fn) MapMessage(message, fn),
#define ON_COMMAND(id, fn) MapCommand(id, id, CN_COMMAND, fn),
#define ON_COMMAND_RANGE(first, last, fn) MapCommand(first, last, CN_COMMAND, fn),
#define ON_CONTROL(code, id, fn) MapCommand(id, id, code, fn),
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_CONTROL_REFLECT(code, fn) MapReflectedCommand(code, fn),
#define ON_WM_CTLCOLOR_REFLECT() MapCtlColorReflect(&ThisClass::CtlColor),
#define ON_NOTIFY(code, id, fn) MapNotify(code, id, fn),
#define ON_UPDATE_COMMAND_UI(id, fn) MapUpdateCommandUI(id, id, fn),
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn) MapUpdateCommandUI(first, last, fn),
