// State and normal images, image callbacks, and the drag image. With 16 x 16
// icons rows stay 16 high; a root item without lines at root has its state
// image at x 0, its normal image at 16 (state width) and its label at 35.
#include "treectrl/TreePaintTestSupport.h"

namespace {

using paint::Canvas;
using paint::Colors;
using paint::kUntouched;
using paint::kWindow;
using paint::kWindowText;

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 160);
constexpr COLORREF kState1 = RGB(90, 60, 30);
constexpr UINT kStateImage1 = 1u << 12;

class TreePaintImagesTest : public TreePaintTest {
protected:
    void SetUp() override
    {
        TreePaintTest::SetUp();
        normal = paint::SolidImageList(16, 16, {kRed, kGreen, kBlue});
        state = paint::SolidImageList(16, 16, {RGB(1, 1, 1), kState1});
    }
    void TearDown() override
    {
        TreePaintTest::TearDown();
        ImageList_Destroy(normal);
        ImageList_Destroy(state);
    }
    void UseLists(bool withState) const
    {
        Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(normal));
        if (withState)
            Send(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(state));
    }
    HIMAGELIST normal = nullptr;
    HIMAGELIST state = nullptr;
};

TEST_F(TreePaintImagesTest, StateImageThenNormalImageBeforeTheLabel)
{
    UseLists(true);
    HTREEITEM a = Insert(nullptr, "abc");
    HTREEITEM b = Insert(nullptr, "abc");
    SetImages(a, 0, 1);
    SetImages(b, 0, 1);
    SetState(a, kStateImage1, TVIS_STATEIMAGEMASK);
    SetState(b, TVIS_SELECTED, TVIS_SELECTED);
    // The state image, the normal one, 3 pixels before the label; without a
    // state image the normal image comes first, here the selected one.
    EXPECT_EQ(
        Painted().At({{0, 0}, {15, 15}, {16, 0}, {31, 15}, {32, 8}, {0, 16 + 8}, {15, 16 + 8}, {16, 16 + 8}}),
        (Colors{kState1, kState1, kRed, kRed, kWindow, kGreen, kGreen, kWindow}));
    EXPECT_EQ(ItemRect(a, true).left, 35);
}

TEST_F(TreePaintImagesTest, CallbackImagesAreAskedAtEveryPaint)
{
    UseLists(false);
    HTREEITEM a = Insert(nullptr, "abc");
    SetImages(a, I_IMAGECALLBACK, 0);
    SetItem({.mask = TVIF_PARAM, .hItem = a, .lParam = 77});
    LRESULT answer = 0;
    parent.dispAnswer = [&answer](NMTVDISPINFO& info) {
        info.item.iImage = 2;
        return answer;
    };
    parent.Clear();
    const Canvas& unanswered = Painted();
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{TVN_GETDISPINFOA}));
    EXPECT_EQ(unanswered.At(8, 8), kWindow) << "answered 0: no image";
    const NMTVDISPINFO& asked = parent.dispNotices[0].info;
    EXPECT_EQ(std::tuple(asked.hdr.hwndFrom, asked.hdr.idFrom, asked.item.mask, asked.item.hItem,
                         asked.item.lParam, asked.item.iImage, asked.item.iSelectedImage),
              std::tuple(hwnd, UINT_PTR{kTreeId}, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE, a,
                         LPARAM{77}, I_IMAGECALLBACK, 0));

    answer = 1;
    const Canvas& answered = Painted();
    EXPECT_EQ(parent.Count(TVN_GETDISPINFOA), 2) << "the answer of the last paint was not kept";
    EXPECT_EQ(answered.At(8, 8), kBlue);

    SetState(a, TVIS_SELECTED, TVIS_SELECTED);
    SetImages(a, 0, I_IMAGECALLBACK);
    const Canvas& selected = Painted();
    const NMTVDISPINFO& again = parent.dispNotices.back().info;
    EXPECT_EQ(std::tuple(again.item.mask, again.item.state & TVIS_SELECTED, again.item.iSelectedImage),
              std::tuple(TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_SELECTEDIMAGE, TVIS_SELECTED,
                         I_IMAGECALLBACK));
    EXPECT_EQ(selected.At(8, 8), kWindow) << "the parent filled iImage, not the selected image asked for";
}

class TreePaintDragImageTest : public TreePaintImagesTest {
protected:
    HIMAGELIST DragImage(HTREEITEM item) const
    {
        return reinterpret_cast<HIMAGELIST>(Send(TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(item)));
    }
};

TEST_F(TreePaintDragImageTest, LabelAndImageOverATransparentGround)
{
    HTREEITEM a = Insert(nullptr, "abc");
    EXPECT_EQ(DragImage(a), nullptr) << "no normal image list, no drag image";
    UseLists(false);
    HTREEITEM b = Insert(a, "abc");
    Expand(a, TVE_EXPAND);
    SetImages(b, 0, 1);
    SetState(b, TVIS_BOLD, TVIS_BOLD);
    HIMAGELIST drag = DragImage(b);
    ASSERT_NE(drag, nullptr);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(drag, &cx, &cy));
    EXPECT_EQ(std::tuple(cx, cy, ImageList_GetImageCount(drag)), std::tuple(19 + 25, 16, 1))
        << "the label's rectangle widened by the normal image width";

    Canvas canvas(100, 40);
    ImageList_Draw(drag, 0, canvas.dc(), 0, 0, ILD_NORMAL);
    // Not the caret: the plain image; the green ground is transparent.
    EXPECT_EQ(canvas.At({{0, 0}, {15, 15}, {17, 8}, {20, 1}, {44, 8}}),
              (Colors{kRed, kRed, kUntouched, kUntouched, kUntouched}));
    EXPECT_EQ(canvas.XsOf(kWindowText, 12, 16, 100), paint::Range(21, 41))
        << "the label, underlined, in black";
    ImageList_Destroy(drag);
}

TEST_F(TreePaintDragImageTest, CaretShowsItsSelectedImageAndStateImageWidens)
{
    UseLists(true);
    HTREEITEM a = Insert(nullptr, "abc");
    SetImages(a, 0, 1);
    Select(a);
    SetState(a, kStateImage1, TVIS_SELECTED | TVIS_STATEIMAGEMASK);
    HIMAGELIST drag = DragImage(a);
    ASSERT_NE(drag, nullptr);
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(drag, &cx, &cy);
    EXPECT_EQ(cx, 16 + 19 + 25);
    Canvas canvas(100, 40);
    ImageList_Draw(drag, 0, canvas.dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(canvas.At({{0, 0}, {16, 0}}), (Colors{kState1, kGreen}))
        << "the caret's selected image, though not TVIS_SELECTED";
    ImageList_Destroy(drag);
}

} // namespace
