// A tree as the views show it (lines, no buttons, no lines at root, the
// default GUI font, the platform's colours), filled with entity lines of a
// real file, some unfolded into the entities they refer to, one selected
// with the focus. Written to <build>/screenshots/tree-views-style.png to be
// looked at; the checks below catch a blank or boxed rendering.
#include "support/SampleFiles.h"
#include "treectrl/TreePaintTestSupport.h"

#include <QFont>
#include <QFontInfo>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

using paint::Canvas;

// Entity number -> whole line, for the first entity lines of a file.
std::map<int, std::string> ReadEntities(const std::string& path, std::size_t count)
{
    std::map<int, std::string> entities;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (entities.size() < count && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 1 && line[0] == '#')
            entities.emplace(std::stoi(line.substr(1)), line);
    }
    return entities;
}

class TreePaintScreenshotTest : public TreeTest {
protected:
    // Inserts one child per entity that q's label refers to.
    void Unfold(HTREEITEM q, const std::string& label, const std::map<int, std::string>& entities)
    {
        static const std::regex reference("#([0-9]+)");
        const std::string args = label.substr(label.find('='));
        for (std::sregex_iterator it(args.begin(), args.end(), reference), end; it != end; ++it) {
            const int number = std::stoi((*it)[1]);
            auto found = entities.find(number);
            const std::string text = found != entities.end() ? found->second : "#" + std::to_string(number);
            children.emplace(Insert(q, text.c_str()), text);
        }
        Expand(q, TVE_EXPAND);
    }
    HTREEITEM ChildAt(HTREEITEM q, int index) const
    {
        HTREEITEM c = Next(q, TVGN_CHILD);
        for (int i = 0; i < index && c; ++i)
            c = Next(c, TVGN_NEXT);
        return c;
    }
    std::map<HTREEITEM, std::string> children;
};

TEST_F(TreePaintScreenshotTest, ViewsStyleWithSampleLabels)
{
    SKIP_WITHOUT_SAMPLES();
    ASSERT_EQ(QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family(), QStringLiteral("DejaVu Sans"))
        << "without the font every label would be boxes";
    const auto entities = ReadEntities(testsupport::SamplePath("example.ifc"), 400);
    ASSERT_GT(entities.size(), 100u);

    CreateTree(kViewStyle, 900, 420);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    std::map<int, HTREEITEM> roots;
    for (const auto& [number, text] : entities) {
        if (roots.size() == 40)
            break;
        roots.emplace(number, Insert(nullptr, text.c_str()));
    }
    ASSERT_TRUE(roots.count(5) && roots.count(32) && roots.count(38) && roots.count(41));
    Unfold(roots[5], entities.at(5), entities);
    Unfold(roots[32], entities.at(32), entities);
    Unfold(roots[41], entities.at(41), entities);
    HTREEITEM owner = ChildAt(roots[41], 0);
    ASSERT_NE(owner, nullptr);
    Unfold(owner, children.at(owner), entities);
    HTREEITEM selected = ChildAt(roots[41], 1);
    Select(selected);
    SetFocus(hwnd);

    RECT client;
    GetClientRect(hwnd, &client);
    Canvas canvas(client.right, client.bottom);
    ValidateRect(hwnd, nullptr);
    Send(WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()));
    const std::filesystem::path dir = std::filesystem::path(LUMENOR_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(SaveBitmapPng(canvas.bitmap(), (dir / "tree-views-style.png").string().c_str()));

    const int h = static_cast<int>(Send(TVM_GETITEMHEIGHT));
    const RECT text = ItemRect(selected, true);
    int highlighted = 0;
    for (int x = text.left; x < text.right; ++x)
        highlighted += canvas.At(x, text.top + 1) == GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_GT(highlighted, (text.right - text.left) / 2) << "the selected row's label is highlighted";
    // The selected item's line runs up to its previous sibling's junction.
    const RECT row = ItemRect(selected);
    const int jx = 19 + 4 + 5 - 19;
    EXPECT_EQ(canvas.At(jx, row.bottom - h / 2), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(canvas.At(jx, row.bottom - h / 2 - 1), GetSysColor(COLOR_WINDOW));
    for (int y = 0; y + h <= canvas.height(); y += h) {
        if (y == row.top)
            continue;
        int dark = 0;
        for (int x = 0; x < canvas.width(); ++x)
            dark += canvas.At(x, y + h / 2 - 2) == GetSysColor(COLOR_WINDOWTEXT);
        EXPECT_GT(dark, 0) << "a label in the row at " << y;
    }
}

} // namespace
