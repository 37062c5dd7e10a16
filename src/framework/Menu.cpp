#include "framework/Menu.h"

#include "framework/FrameworkMessages.h"
#include "platform/Window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

struct CMenu::Impl {
    QPointer<QWidget> widget;
    std::vector<std::unique_ptr<CMenu>> popups;
    HWND owner = nullptr;
};

namespace {

const char* const kCommandProperty = "lumenorCommandId";

QString ToQt(const std::string& text)
{
    // The program's own texts and, in the recent-file list, file names as
    // the file system gives them: UTF-8 (replacement characters where not).
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// '\t' separates the item text from the shortcut text, which Qt shows in
// its own column when the text carries it after a tab.
UINT CommandOf(const QAction* action)
{
    return action->property(kCommandProperty).toUInt();
}

} // namespace

CMenu::CMenu(QWidget* widget) : m_pImpl(std::make_unique<Impl>())
{
    m_pImpl->widget = widget;
}

CMenu::~CMenu()
{
    // The widget's signals reach this object; they must not outlive it.
    m_pImpl->popups.clear();
    delete m_pImpl->widget.data();
}

std::unique_ptr<CMenu> CMenu::CreateMenuBar(const std::vector<MenuItemDesc>& popups)
{
    std::unique_ptr<CMenu> menu(new CMenu(new QMenuBar));
    menu->AddItems(popups);
    return menu;
}

std::unique_ptr<CMenu> CMenu::CreatePopupMenu(const std::vector<MenuItemDesc>& items)
{
    std::unique_ptr<CMenu> menu(new CMenu(new QMenu));
    menu->AddItems(items);
    return menu;
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner)
{
    auto* qmenu = qobject_cast<QMenu*>(m_pImpl->widget.data());
    if (!qmenu)
        return 0;
    // The menu takes the keyboard while it is open; the window that had it
    // gets it back, as if the menu had never had it.
    const HWND hFocus = GetFocus();
    const QAction* chosen = qmenu->exec(QPoint(x, y));
    if (hFocus && IsWindow(hFocus) && GetFocus() != hFocus)
        SetFocus(hFocus);
    const UINT nID = chosen ? CommandOf(chosen) : 0;
    if (flags & TPM_RETURNCMD)
        return nID;
    if (nID)
        PostMessageA(owner, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    return nID != 0;
}

void CMenu::AddItems(const std::vector<MenuItemDesc>& items)
{
    QWidget* w = m_pImpl->widget;
    for (const MenuItemDesc& item : items) {
        switch (item.type) {
        case MenuItemDesc::Type::Separator: {
            auto* sep = new QAction(w);
            sep->setSeparator(true);
            w->addAction(sep);
            break;
        }
        case MenuItemDesc::Type::Command: {
            auto* action = new QAction(ToQt(item.text), w);
            action->setProperty(kCommandProperty, item.id);
            w->addAction(action);
            break;
        }
        case MenuItemDesc::Type::Popup: {
            auto* qmenu = new QMenu(ToQt(item.text), w);
            std::unique_ptr<CMenu> popup(new CMenu(qmenu));
            popup->AddItems(item.items);
            w->addAction(qmenu->menuAction());
            m_pImpl->popups.push_back(std::move(popup));
            break;
        }
        }
    }
}

QWidget* CMenu::GetWidget() const
{
    return m_pImpl->widget;
}

QAction* CMenu::ActionAt(int pos) const
{
    if (!m_pImpl->widget || pos < 0)
        return nullptr;
    const QList<QAction*> actions = m_pImpl->widget->actions();
    return pos < actions.size() ? actions[pos] : nullptr;
}

UINT CMenu::GetMenuItemCount() const
{
    return m_pImpl->widget ? static_cast<UINT>(m_pImpl->widget->actions().size()) : 0;
}

UINT CMenu::GetMenuItemID(int pos) const
{
    QAction* a = ActionAt(pos);
    if (!a || a->isSeparator())
        return 0;
    return a->menu() ? static_cast<UINT>(-1) : CommandOf(a);
}

CMenu* CMenu::GetSubMenu(int pos) const
{
    QAction* a = ActionAt(pos);
    if (!a || !a->menu())
        return nullptr;
    for (const auto& popup : m_pImpl->popups)
        if (popup->GetWidget() == a->menu())
            return popup.get();
    return nullptr;
}

std::string CMenu::GetMenuString(int pos) const
{
    QAction* a = ActionAt(pos);
    if (!a)
        return {};
    return a->text().toLatin1().toStdString();
}

BOOL CMenu::SetMenuString(int pos, const std::string& text)
{
    QAction* a = ActionAt(pos);
    if (!a)
        return FALSE;
    a->setText(ToQt(text));
    return TRUE;
}

UINT CMenu::GetMenuState(int pos) const
{
    QAction* a = ActionAt(pos);
    if (!a)
        return MF_NOTFOUND;
    return (a->isEnabled() ? 0 : MF_GRAYED) | (a->isChecked() ? MF_CHECKED : 0);
}

namespace {

template <class Fn>
UINT ForEachByCommand(const CMenu* menu, UINT id, Fn fn)
{
    UINT previous = MF_NOTFOUND;
    for (int pos = 0; pos < static_cast<int>(menu->GetMenuItemCount()); ++pos) {
        if (CMenu* sub = menu->GetSubMenu(pos)) {
            UINT r = ForEachByCommand(sub, id, fn);
            if (previous == MF_NOTFOUND)
                previous = r;
        } else if (menu->GetMenuItemID(pos) == id && id != 0) {
            UINT r = fn(const_cast<CMenu*>(menu), pos);
            if (previous == MF_NOTFOUND)
                previous = r;
        }
    }
    return previous;
}

} // namespace

UINT CMenu::EnableMenuItem(UINT idOrPos, UINT flags)
{
    if (!(flags & MF_BYPOSITION)) {
        return ForEachByCommand(this, idOrPos, [&](CMenu* owner, int pos) {
            return owner->EnableMenuItem(static_cast<UINT>(pos), flags | MF_BYPOSITION);
        });
    }
    QAction* a = ActionAt(static_cast<int>(idOrPos));
    if (!a)
        return MF_NOTFOUND;
    UINT previous = a->isEnabled() ? MF_ENABLED : MF_GRAYED;
    a->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    return previous;
}

UINT CMenu::CheckMenuItem(UINT idOrPos, UINT flags)
{
    if (!(flags & MF_BYPOSITION)) {
        return ForEachByCommand(this, idOrPos, [&](CMenu* owner, int pos) {
            return owner->CheckMenuItem(static_cast<UINT>(pos), flags | MF_BYPOSITION);
        });
    }
    QAction* a = ActionAt(static_cast<int>(idOrPos));
    if (!a)
        return MF_NOTFOUND;
    UINT previous = a->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    const bool check = (flags & MF_CHECKED) != 0;
    if (check)
        a->setCheckable(true);
    a->setChecked(check);
    return previous;
}

BOOL CMenu::InsertMenuItem(int pos, UINT id, const std::string& text)
{
    QWidget* w = m_pImpl->widget;
    if (!w)
        return FALSE;
    auto* action = new QAction(ToQt(text), w);
    action->setProperty(kCommandProperty, id);
    w->insertAction(ActionAt(pos), action);
    if (m_pImpl->owner)
        ConnectAction(action);
    return TRUE;
}

BOOL CMenu::RemoveMenuItem(int pos)
{
    QAction* a = ActionAt(pos);
    if (!a || a->menu())
        return FALSE;
    m_pImpl->widget->removeAction(a);
    a->deleteLater();
    return TRUE;
}

QAction* CMenu::FindAction(UINT id) const
{
    for (int pos = 0; pos < static_cast<int>(GetMenuItemCount()); ++pos) {
        if (CMenu* sub = GetSubMenu(pos)) {
            if (QAction* a = sub->FindAction(id))
                return a;
        } else if (id != 0 && GetMenuItemID(pos) == id) {
            return ActionAt(pos);
        }
    }
    return nullptr;
}

void CMenu::SetOwner(HWND owner)
{
    m_pImpl->owner = owner;
    for (QAction* a : m_pImpl->widget->actions())
        if (!a->menu() && !a->isSeparator())
            ConnectAction(a);
    for (auto& popup : m_pImpl->popups) {
        popup->SetOwner(owner);
        ConnectPopup(popup.get());
    }
}

void CMenu::ConnectAction(QAction* action)
{
    HWND owner = m_pImpl->owner;
    QObject::connect(action, &QAction::triggered, [owner, action] {
        PostMessageA(owner, WM_COMMAND, MAKEWPARAM(CommandOf(action), 0), 0);
    });
    QObject::connect(action, &QAction::hovered, [owner, action, this] {
        SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(CommandOf(action), 0), reinterpret_cast<LPARAM>(this));
    });
}

void CMenu::ConnectPopup(CMenu* popup)
{
    auto* qmenu = static_cast<QMenu*>(popup->GetWidget());
    HWND owner = m_pImpl->owner;
    const bool topLevel = qobject_cast<QMenuBar*>(m_pImpl->widget.data()) != nullptr;
    CMenu* self = this;
    QObject::connect(qmenu, &QMenu::aboutToShow, [owner, self, popup, qmenu, topLevel] {
        if (topLevel)
            SendMessageA(owner, WM_INITMENU, reinterpret_cast<WPARAM>(self), 0);
        const QList<QAction*> siblings = self->GetWidget()->actions();
        const auto index = siblings.indexOf(qmenu->menuAction());
        SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(index, 0));
    });
    QObject::connect(qmenu, &QMenu::aboutToHide,
                     [owner] { SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(0, MF_MENUCLOSED), 0); });
}
