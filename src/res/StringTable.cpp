#include "res/StringTable.h"

#include "res/Resource.h"

#include <cstdio>
#include <unordered_map>

namespace res {

namespace {

const std::unordered_map<unsigned, std::string>& Table()
{
    static const std::unordered_map<unsigned, std::string> table = {
        {IDR_MAINFRAME, "Lumenor\n\nIfc\nFileType Ifc (*.ifc)\n.ifc\nLumenor.Document\nIfc Document"},
        {AFX_IDS_APP_TITLE, "Lumenor by Velmora"},
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {ID_INDICATOR_CAPS, "UF"},
        {ID_INDICATOR_NUM, "NUM"},
        {ID_INDICATOR_SCRL, "RF"},
        {IDS_LOADING, "Loading"},
        {IDS_INVERSE_PROGRESS, "Calculate inverse relationships (Progress : %d  %%)"},
        {IDS_BUILDING_TREE, "Building tree structure"},
        {IDS_NO_ENTITY_SELECTED,
         "Tree displaying inverse references to selected entity in IFC file tree - "
         "No entity selected"},
        {IDS_NO_DATA_READ, "Tree displaying IFC file - No data read"},
        {IDS_INVERSE_NOT_KNOWN, "Inverse references not known: there was not enough memory to compute them"},
        {IDS_HOMEPAGE_TIP, "Click here to go to the Velmora Homepage"},
        {IDS_USAGE_TEXT,
         "- The top window is the main window.\n"
         "- The bottom window is the inverse window.\n"
         "- Select an item in the main window and all entities referring to this item "
         "(inverse references) will be displayed in the bottom window.\n"
         "- Items that have references to other entities can be expanded to display "
         "those references.\n"
         "\n"
         "- In either window, a single left mouse button click or an arrowkey (up/down) "
         "press will select an item.\n"
         "- A left mouse button double click will expand or collapse an item that "
         "references other entities.\n"
         "- In the bottom window, a right mouse button double click will select the "
         "clicked item in the top window.\n"
         "- Strg-F will show the search dialog. The entered string will be searched for "
         "in the top window. The first item to match the string will be selected.\n"
         "- F3 searches the top window for the next match of the search string and "
         "selects the according item."},
        {IDS_COMPRESSED_FILTER, "Ifc, also compressed (*.ifc *.ifczip *.ifc.gz)"},
        // The file's name goes before it; \x97 is the em dash of Windows-1252.
        {IDS_FILE_CHANGED, " changed on disk \x97 F5 reloads"},
        {ID_FILE_RELOAD, "Opens the file again and comes back to the same place.\nReload"},
        {IDS_ENTITY_REFERRERS, "#%d %s \xB7 %d referrers"},
        {IDS_ENTITY_ONE_REFERRER, "#%d %s \xB7 1 referrer"},
        {IDS_REFERRERS_SO_FAR, "%s so far"},
        {IDS_NO_SUCH_ENTITY, "There is no entity #%d."},
        {IDS_NOT_AN_ENTITY_NUMBER, "Type an entity number, such as 123 or #123."},
        {ID_INDICATOR_ENTITY, " "},
        // Command prompts: status-bar text, then the toolbar tooltip.
        {ID_SEARCH, "Search for a String in the Tree.\nSearch"},
        {ID_FILE_OPEN, "Open an IFC file.\nOpen"},
        {ID_APP_ABOUT, "Display Information aboutt Lumenor.\nInfo"},
        {ID_APP_EXIT, "Exits the application.\nExit"},
        {ID_VIEW_TOOLBAR, "Turns Toolbar on-/off.\nToolbar on-/off"},
        {ID_VIEW_STATUS_BAR, "Turn Statusbar on-/off.\nStatusbar on-/off"},
        {ID_GOTO_ENTITY, "Select an entity by its number.\nGo to Entity"},
        {ID_NAVIGATE_BACK, "Go back to the entity selected before the last jump.\nBack"},
        {ID_NAVIGATE_FORWARD, "Go forward again to the entity left by Back.\nForward"},
        {ID_EDIT_COPY, "Copy the selected item's text to the clipboard.\nCopy"},
        {ID_COPY_ENTITY_NAME, "Copy the selected item's entity name to the clipboard.\nCopy Entity Name"},
        {ID_GOTO_THIS_ENTITY, "Select this entity in the top window.\nGo to This Entity"},
        {ID_FILE_SUMMARY, "Show the entity types of the file with their counts, and its problems.\nFile Summary"},
        {ID_WALK_NEXT, "Select the next entity of the kind chosen in the File Summary.\nNext of Kind"},
        {ID_WALK_PREVIOUS, "Select the previous entity of the kind chosen in the File Summary.\nPrevious of Kind"},
        {ID_UNFOLD_ITEM, "Unfold the item into the entities it refers to.\nUnfold"},
    };
    return table;
}

const std::string kMruPrompt = "Opens the Document.";
const std::string kEmpty;

} // namespace

const std::string& LoadString(unsigned id)
{
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
        return kMruPrompt;
    const auto& table = Table();
    auto it = table.find(id);
    return it == table.end() ? kEmpty : it->second;
}

std::string FormatString(unsigned id, int value)
{
    const std::string& format = LoadString(id);
    int n = std::snprintf(nullptr, 0, format.c_str(), value);
    if (n <= 0)
        return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    std::snprintf(out.data(), out.size() + 1, format.c_str(), value);
    return out;
}

} // namespace res
