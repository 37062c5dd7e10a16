// The recent-file list: order, size, persistence in the per-user settings
// and its place in the File menu.
#include "FrameworkTestSupport.h"

#include "framework/CmdUI.h"
#include "framework/Menu.h"
#include "framework/ProfileSettings.h"
#include "framework/RecentFileList.h"
#include "framework/WinApp.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const CRecentFileList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.GetCount(); ++i)
        out.push_back(list[i]);
    return out;
}

using Paths = std::vector<std::string>;

TEST(RecentFileList, MostRecentFirstFourAtMostNoDuplicates)
{
    CRecentFileList list(res::ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    for (const char* p : {"/d/a.ifc", "/d/b.ifc", "/d/c.ifc", "/d/d.ifc"})
        list.Add(p);
    EXPECT_EQ(Names(list), (Paths{"/d/d.ifc", "/d/c.ifc", "/d/b.ifc", "/d/a.ifc"}));
    list.Add("/d/e.ifc");
    EXPECT_EQ(Names(list), (Paths{"/d/e.ifc", "/d/d.ifc", "/d/c.ifc", "/d/b.ifc"}));
    list.Add("/d/./c.ifc");
    EXPECT_EQ(Names(list), (Paths{"/d/c.ifc", "/d/e.ifc", "/d/d.ifc", "/d/b.ifc"})) << "same file moves up";
    list.Remove(1);
    EXPECT_EQ(Names(list), (Paths{"/d/c.ifc", "/d/d.ifc", "/d/b.ifc"}));
    list.Remove(7);
    EXPECT_EQ(list.GetCount(), 3);
    list.Add("some.ifc");
    EXPECT_EQ(list[0], (std::filesystem::current_path() / "some.ifc").string()) << "stored absolute";
}

TEST(RecentFileList, PersistsUnderCompanyAndApplicationInTheTestSettingsFolder)
{
    {
        CWinApp app("Lumenor by Velmora");
        app.SetRegistryKey("Velmora");
        app.LoadStdProfileSettings(4);
        for (const char* p : {"/m/1.ifc", "/m/2.ifc", "/m/3.ifc", "/m/4.ifc", "/m/5.ifc"})
            app.AddToRecentFileList(p);
        const std::string file = app.GetProfileSettings()->FileName();
        EXPECT_EQ(file, fwtest::SettingsFolder() + "/Velmora/Lumenor by Velmora.conf");
        EXPECT_TRUE(std::filesystem::exists(file));
    }
    CWinApp later("Lumenor by Velmora");
    later.SetRegistryKey("Velmora");
    later.LoadStdProfileSettings(4);
    EXPECT_EQ(Names(*later.GetRecentFileList()), (Paths{"/m/5.ifc", "/m/4.ifc", "/m/3.ifc", "/m/2.ifc"}));

    // Another company's list is another list.
    CWinApp other("Lumenor by Velmora");
    other.SetRegistryKey("Elsewhere");
    other.LoadStdProfileSettings(4);
    EXPECT_EQ(other.GetRecentFileList()->GetCount(), 0);
}

TEST(RecentFileList, DisplayNamesAreShortened)
{
    CRecentFileList list(res::ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4, 30);
    list.Add("/home/user/models/site/building/house.ifc");
    list.Add("/work/house.ifc");
    EXPECT_EQ(list.GetDisplayName(0, "/elsewhere"), "/work/house.ifc");
    EXPECT_EQ(list.GetDisplayName(0, "/work"), "house.ifc") << "files in the current folder by name";
    EXPECT_EQ(list.GetDisplayName(1, "/elsewhere"), "/home/.../building/house.ifc");
}

TEST(RecentFileList, MenuShowsTheEntriesInPlaceOfTheGrayedPlaceholder)
{
    auto bar = CMenu::CreateMenuBar(
        {MenuItemDesc::Popup("&File",
                             {
                                 MenuItemDesc::Command("&Open...", res::ID_FILE_OPEN),
                                 MenuItemDesc::Separator(),
                                 MenuItemDesc::Command("Last File", res::ID_FILE_MRU_FILE1),
                                 MenuItemDesc::Separator(),
                                 MenuItemDesc::Command("&Exit", res::ID_APP_EXIT),
                             })});
    CMenu* file = bar->GetSubMenu(0);
    CRecentFileList list(res::ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    // Updates the menu from the placeholder on; gives back each item (with
    // " grayed" when it is), then where the caller goes on.
    auto update = [&] {
        CCmdUI state;
        state.m_pMenu = file;
        state.m_nIndex = 2;
        state.m_nID = res::ID_FILE_MRU_FILE1;
        state.m_nIndexMax = file->GetMenuItemCount();
        list.UpdateMenu(&state);
        Paths items;
        for (UINT i = 0; i < file->GetMenuItemCount(); ++i)
            items.push_back(file->GetMenuString(i) + ((file->GetMenuState(i) & MF_GRAYED) ? " grayed" : ""));
        EXPECT_EQ(state.m_nIndexMax, file->GetMenuItemCount());
        items.push_back("go on at " + std::to_string(state.m_nIndex));
        return items;
    };

    EXPECT_EQ(update(), (Paths{"&Open...", "", "Last File grayed", "", "&Exit", "go on at 2"}));
    list.Add("/x/a&b.ifc");
    list.Add("/x/c.ifc");
    EXPECT_EQ(update(), (Paths{"&Open...", "", "&1 /x/c.ifc", "&2 /x/a&&b.ifc", "", "&Exit", "go on at 3"}));
    EXPECT_EQ(file->GetMenuItemID(3), res::ID_FILE_MRU_FILE1 + 1);
    list.Remove(0);
    list.Remove(0);
    EXPECT_EQ(update(), (Paths{"&Open...", "", "Last File grayed", "", "&Exit", "go on at 2"}));
}

} // namespace
