#include "app/MainResources.h"

#include "app/ToolBarImages.h"
#include "framework/ResourceRegistry.h"
#include "platform/Gdi.h"
#include "res/ProgramIcon.h"
#include "res/Resource.h"

namespace {

std::vector<MenuItemDesc> MainMenu()
{
    using Item = MenuItemDesc;
    return {
        Item::Popup("&File",
                    {
                        Item::Command("&Open...\tStrg+O", res::ID_FILE_OPEN),
                        Item::Separator(),
                        // Stands for the recent-file list, grayed while it is empty.
                        Item::Command("Last File", res::ID_FILE_MRU_FILE1),
                        Item::Separator(),
                        Item::Command("&Exit", res::ID_APP_EXIT),
                        Item::Separator(),
                        Item::Command("&Reload\tF5", res::ID_FILE_RELOAD),
                    }),
        Item::Popup("&Edit",
                    {
                        Item::Command("&Search\tStrg+F", res::ID_SEARCH),
                        Item::Command("Search again\tF3", res::ID_SEARCH_AGAIN),
                        Item::Command("&Go to Entity...\tStrg+G", res::ID_GOTO_ENTITY),
                        Item::Separator(),
                        Item::Command("&Back\tAlt+Left", res::ID_NAVIGATE_BACK),
                        Item::Command("&Forward\tAlt+Right", res::ID_NAVIGATE_FORWARD),
                        Item::Separator(),
                        Item::Command("&Copy\tStrg+C", res::ID_EDIT_COPY),
                        Item::Command("Copy Entity &Name\tStrg+Shift+C", res::ID_COPY_ENTITY_NAME),
                    }),
        Item::Popup("&View",
                    {
                        Item::Command("&Toolbar", res::ID_VIEW_TOOLBAR),
                        Item::Command("St&atusbar", res::ID_VIEW_STATUS_BAR),
                        Item::Separator(),
                        Item::Command("File &Summary...", res::ID_FILE_SUMMARY),
                        Item::Command("&Next of Kind\tF8", res::ID_WALK_NEXT),
                        Item::Command("&Previous of Kind\tShift+F8", res::ID_WALK_PREVIOUS),
                    }),
        Item::Popup("&?",
                    {
                        Item::Command("&Info about Lumenor...", res::ID_APP_ABOUT),
                        Item::Command("Usage", res::ID_USAGE),
                    }),
    };
}

std::vector<ACCEL> MainAccelerators()
{
    auto key = [](BYTE modifiers, WORD vk, unsigned cmd) {
        return ACCEL{static_cast<BYTE>(FVIRTKEY | modifiers), vk, static_cast<WORD>(cmd)};
    };
    return {
        key(FCONTROL, 'F', res::ID_SEARCH),
        key(FCONTROL, 'O', res::ID_FILE_OPEN),
        key(0, VK_F3, res::ID_SEARCH_AGAIN),
        key(0, VK_F6, res::ID_NEXT_PANE),
        key(FSHIFT, VK_F6, res::ID_PREV_PANE),
        key(0, VK_F5, res::ID_FILE_RELOAD),
        // Following references, after the keys above.
        key(FCONTROL, 'G', res::ID_GOTO_ENTITY),
        key(FALT, VK_LEFT, res::ID_NAVIGATE_BACK),
        key(FALT, VK_RIGHT, res::ID_NAVIGATE_FORWARD),
        key(FCONTROL, 'C', res::ID_EDIT_COPY),
        key(FCONTROL, VK_INSERT, res::ID_EDIT_COPY),
        key(FCONTROL | FSHIFT, 'C', res::ID_COPY_ENTITY_NAME),
        // Through the entities chosen in the File Summary.
        key(0, VK_F8, res::ID_WALK_NEXT),
        key(FSHIFT, VK_F8, res::ID_WALK_PREVIOUS),
    };
}

} // namespace

void RegisterMainResources()
{
    RegisterMenuResource(res::IDR_MAINFRAME, MainMenu());
    RegisterAcceleratorResource(res::IDR_MAINFRAME, MainAccelerators());
    if (!FindIconResource(res::IDR_MAINFRAME)) {
        const std::string_view icon = res::ProgramIconSvg();
        RegisterIconResource(res::IDR_MAINFRAME, CreateIconFromSvg(icon.data(), icon.size()));
    }
    if (FindToolBarResource(res::IDR_MAINFRAME))
        return;
    ToolBarResource toolbar;
    toolbar.cx = kToolBarImageWidth;
    toolbar.cy = kToolBarImageHeight;
    toolbar.ids = {
        res::ID_FILE_OPEN,  0, res::ID_APP_ABOUT, 0, res::ID_NAVIGATE_BACK, res::ID_NAVIGATE_FORWARD,
        res::ID_GOTO_ENTITY, 0, res::ID_FILE_SUMMARY};
    toolbar.images = CreateToolBarImages();
    RegisterToolBarResource(res::IDR_MAINFRAME, std::move(toolbar));
}

void ReleaseMainResources()
{
    RemoveToolBarResource(res::IDR_MAINFRAME);
    RemoveIconResource(res::IDR_MAINFRAME);
}
