// Menus: a menu bar with popups, made from a description, kept in Qt's
// menu widgets. Items carry command ids; the frame that the menu is
// attached to gets WM_INITMENU and WM_INITMENUPOPUP before a popup opens,
// WM_MENUSELECT while an item is highlighted, and WM_COMMAND (posted, as
// from a menu: notification code 0) when one is chosen.
#pragma once

#include "platform/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class QWidget;
class QAction;

// One entry of a menu description: a command, a separator or a popup.
struct MenuItemDesc {
    enum class Type { Command, Separator, Popup };
    Type type = Type::Separator;
    std::string text; // '&' marks the mnemonic, '\t' starts the shortcut text
    UINT id = 0;
    std::vector<MenuItemDesc> items;

    static MenuItemDesc Command(std::string text, UINT id)
    {
        return {Type::Command, std::move(text), id, {}};
    }
    static MenuItemDesc Separator() { return {}; }
    static MenuItemDesc Popup(std::string text, std::vector<MenuItemDesc> items)
    {
        return {Type::Popup, std::move(text), 0, std::move(items)};
    }
};

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
// TrackPopupMenu: return the chosen command instead of sending it.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RETURNCMD = 0x0100;
// Result of EnableMenuItem/CheckMenuItem for an item that does not exist.
constexpr UINT MF_NOTFOUND = 0xFFFFFFFF;

class CMenu {
public:
    // A menu bar whose entries are the popups of the description.
    static std::unique_ptr<CMenu> CreateMenuBar(const std::vector<MenuItemDesc>& popups);
    // A popup menu of its own, such as a context menu.
    static std::unique_ptr<CMenu> CreatePopupMenu(const std::vector<MenuItemDesc>& items);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    UINT GetMenuItemCount() const;
    // The command id at a position: 0 for a separator, (UINT)-1 for a popup.
    UINT GetMenuItemID(int pos) const;
    CMenu* GetSubMenu(int pos) const;
    std::string GetMenuString(int pos) const;
    BOOL SetMenuString(int pos, const std::string& text);

    // By position or by command (searching popups too, every occurrence).
    // Return the previous state, or MF_NOTFOUND.
    UINT EnableMenuItem(UINT idOrPos, UINT flags);
    UINT CheckMenuItem(UINT idOrPos, UINT flags);
    // State of the item at a position: MF_GRAYED and MF_CHECKED bits.
    UINT GetMenuState(int pos) const;

    BOOL InsertMenuItem(int pos, UINT id, const std::string& text); // pos -1 appends
    BOOL RemoveMenuItem(int pos);

    // Shows a popup menu with its top left corner at the screen position
    // and waits until an item is chosen or the menu is dismissed. With
    // TPM_RETURNCMD the chosen command is returned (0: none); otherwise it
    // goes to the owner as WM_COMMAND and the result says whether one was
    // chosen. Update handlers do not run: the caller enables the items.
    UINT TrackPopupMenu(UINT flags, int x, int y, HWND owner);

    // The frame that receives this menu's messages (and its popups'); set once.
    void SetOwner(HWND owner);
    // The Qt widget (QMenuBar or QMenu), for hosting and for tests.
    QWidget* GetWidget() const;
    // Finds the item of a command anywhere below this menu (tests: trigger,
    // hover); null when there is none.
    QAction* FindAction(UINT id) const;

private:
    explicit CMenu(QWidget* widget);
    void AddItems(const std::vector<MenuItemDesc>& items);
    QAction* ActionAt(int pos) const;
    void ConnectAction(QAction* action);
    void ConnectPopup(CMenu* popup);

    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};
