#include "framework/ResourceRegistry.h"

#include "platform/Gdi.h"

#include <algorithm>
#include <map>

namespace {

template <class T>
std::map<UINT, T>& Table()
{
    static std::map<UINT, T> table;
    return table;
}

template <class T>
const T* Find(UINT id)
{
    const auto& table = Table<T>();
    auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}

void DestroyIcons(const std::vector<HICON>& icons, const std::vector<HICON>& kept)
{
    for (HICON icon : icons)
        if (std::find(kept.begin(), kept.end(), icon) == kept.end())
            DestroyIcon(icon);
}

} // namespace

void RegisterMenuResource(UINT id, std::vector<MenuItemDesc> menu)
{
    Table<std::vector<MenuItemDesc>>()[id] = std::move(menu);
}

const std::vector<MenuItemDesc>* FindMenuResource(UINT id)
{
    return Find<std::vector<MenuItemDesc>>(id);
}

void RegisterAcceleratorResource(UINT id, std::vector<ACCEL> table)
{
    Table<std::vector<ACCEL>>()[id] = std::move(table);
}

const std::vector<ACCEL>* FindAcceleratorResource(UINT id)
{
    return Find<std::vector<ACCEL>>(id);
}

void RegisterToolBarResource(UINT id, ToolBarResource toolbar)
{
    ToolBarResource& entry = Table<ToolBarResource>()[id];
    DestroyIcons(entry.images, toolbar.images);
    entry = std::move(toolbar);
}

void RemoveToolBarResource(UINT id)
{
    auto& table = Table<ToolBarResource>();
    auto it = table.find(id);
    if (it == table.end())
        return;
    DestroyIcons(it->second.images, {});
    table.erase(it);
}

const ToolBarResource* FindToolBarResource(UINT id)
{
    return Find<ToolBarResource>(id);
}

void RegisterIconResource(UINT id, HICON icon)
{
    HICON& entry = Table<HICON>()[id];
    if (entry && entry != icon)
        DestroyIcon(entry);
    entry = icon;
}

HICON FindIconResource(UINT id)
{
    const HICON* icon = Find<HICON>(id);
    return icon ? *icon : nullptr;
}

void RemoveIconResource(UINT id)
{
    auto& table = Table<HICON>();
    auto it = table.find(id);
    if (it == table.end())
        return;
    DestroyIcon(it->second);
    table.erase(it);
}

void RegisterDialogResource(UINT id, DialogTemplate dialog)
{
    Table<DialogTemplate>()[id] = std::move(dialog);
}

const DialogTemplate* FindDialogResource(UINT id)
{
    return Find<DialogTemplate>(id);
}
