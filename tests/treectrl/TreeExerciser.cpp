#include "treectrl/TreeExerciser.h"

#include "treectrl/TreeScroll.h"

#include "support/TreeItems.h"

#include <iterator>
#include <memory>
#include <sstream>

TreeExerciser::TreeExerciser(TreeParent& parent, HWND tree, Chooser choose)
    : m_parent(parent), m_hwnd(tree), m_choose(std::move(choose))
{
    m_parent.answer = [this](const NMTREEVIEW& nm) -> LRESULT {
        if (nm.hdr.code == TVN_DELETEITEMA)
            m_live.erase(nm.itemOld.hItem);
        if (nm.hdr.code == TVN_ITEMEXPANDINGA)
            return Chance(10);
        if (nm.hdr.code == TVN_SELCHANGINGA)
            return Chance(5);
        return 0;
    };
    // An ended edit keeps its text half of the time.
    m_parent.dispAnswer = [this](NMTVDISPINFO& info) -> LRESULT {
        return info.hdr.code == TVN_ENDLABELEDITA && Chance(50);
    };
}

TreeExerciser::~TreeExerciser()
{
    m_parent.answer = nullptr;
    m_parent.dispAnswer = nullptr;
}

LRESULT TreeExerciser::Send(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageA(m_hwnd, msg, wParam, lParam);
}

HTREEITEM TreeExerciser::AnyItem()
{
    if (m_live.empty())
        return nullptr;
    auto it = m_live.begin();
    std::advance(it, static_cast<long>(m_choose(static_cast<unsigned>(m_live.size()))));
    return *it;
}

void TreeExerciser::Label(TVITEM& item)
{
    std::string text(1 + m_choose(12), static_cast<char>('a' + m_choose(26)));
    if (Chance(10)) {
        // Any bytes, of any length up to a few hundred.
        text.resize(m_choose(300));
        for (char& c : text)
            c = static_cast<char>(m_choose(256));
    }
    m_texts.push_back(std::move(text));
    item.mask |= TVIF_TEXT;
    item.pszText = m_texts.back().data();
    if (Chance(25)) {
        // By reference: the exact bytes, no terminator needed.
        item.mask |= TVIF_TEXTREF;
        item.cchTextMax = static_cast<int>(m_texts.back().size());
    }
}

void TreeExerciser::InsertOne(HTREEITEM parentItem, HTREEITEM after)
{
    TVINSERTSTRUCT is{.hParent = parentItem, .hInsertAfter = after, .item = {}};
    Label(is.item);
    if (Chance(10)) {
        is.item.mask |= TVIF_CHILDREN;
        is.item.cChildren = static_cast<int>(m_choose(3)) - 1;
    }
    if (Chance(10)) {
        is.item.mask |= TVIF_STATE;
        is.item.state = m_choose(0x80);
        is.item.stateMask = m_choose(0x80);
    }
    if (HTREEITEM added = TreeView_InsertItem(m_hwnd, &is))
        m_live.insert(added);
}

void TreeExerciser::SetItemFields(HTREEITEM item)
{
    TVITEM tvi{.hItem = item};
    if (Chance(60))
        Label(tvi);
    if (Chance(30)) {
        // The selection is the caret's, which TVM_SELECTITEM moves.
        tvi.mask |= TVIF_STATE;
        tvi.state = m_choose(0x80);
        tvi.stateMask = m_choose(0x80) & ~TVIS_SELECTED;
    }
    if (Chance(20)) {
        tvi.mask |= TVIF_CHILDREN;
        tvi.cChildren = static_cast<int>(m_choose(3)) - 1;
    }
    TreeView_SetItem(m_hwnd, &tvi);
}

void TreeExerciser::GetItemText(HTREEITEM item)
{
    // A buffer of exactly the size given, so that a write past it is seen.
    const int size = static_cast<int>(m_choose(20));
    auto buffer = std::make_unique<char[]>(static_cast<std::size_t>(size) + (size == 0));
    TVITEM tvi{.mask = TVIF_TEXT | TVIF_STATE | TVIF_CHILDREN | TVIF_PARAM,
               .hItem = item,
               .pszText = size ? buffer.get() : nullptr,
               .cchTextMax = size};
    TreeView_GetItem(m_hwnd, &tvi);
}

void TreeExerciser::Mouse()
{
    // One message at a time, so that presses, drags and releases combine.
    static const UINT messages[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                    WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE};
    const UINT message = messages[m_choose(6)];
    const auto x = static_cast<int>(m_choose(340));
    const auto y = static_cast<int>(m_choose(140));
    Send(message, 0, MAKELPARAM(x, y));
}

void TreeExerciser::Step()
{
    m_parent.Clear();
    const unsigned op = m_choose(1000);
    HTREEITEM item = AnyItem();
    if (op < 360 || !item) {
        HTREEITEM parentItem = Chance(40) ? nullptr : item;
        HTREEITEM after = TVI_LAST;
        if (Chance(20))
            after = TVI_FIRST;
        else if (HTREEITEM first = TreeView_GetNextItem(m_hwnd, parentItem, TVGN_CHILD); first && Chance(25))
            after = first;
        InsertOne(parentItem, after);
    } else if (op < 370) {
        // Many at once: enough rows for the searches near the top row.
        const unsigned count = 50 + m_choose(500);
        for (unsigned i = 0; i < count; ++i)
            InsertOne(item, TVI_LAST);
    } else if (op < 450) {
        TreeView_DeleteItem(m_hwnd, item);
    } else if (op < 590) {
        TreeView_Expand(m_hwnd, item, 1 + m_choose(3));
    } else if (op < 680) {
        static const UINT codes[] = {TVGN_CARET, TVGN_FIRSTVISIBLE, TVGN_DROPHILITE};
        TreeView_Select(m_hwnd, Chance(10) ? nullptr : item, codes[m_choose(3)]);
    } else if (op < 770) {
        static const int keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_LEFT, VK_RIGHT, VK_ADD, VK_SUBTRACT};
        Send(WM_KEYDOWN, static_cast<WPARAM>(keys[m_choose(8)]));
    } else if (op < 840) {
        // Line, page and thumb positions, the latter anywhere.
        const int code = static_cast<int>(m_choose(6));
        Send(Chance(80) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, m_choose(2000)));
    } else if (op < 865) {
        Send(WM_MOUSEWHEEL, MAKEWPARAM(0, (static_cast<int>(m_choose(5)) - 2) * 120));
    } else if (op < 895) {
        Mouse();
    } else if (op < 930) {
        SetItemFields(item);
    } else if (op < 950) {
        GetItemText(item);
    } else if (op < 960) {
        Send(TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(Chance(50) ? TVI_ROOT : item));
    } else if (op < 970) {
        Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    } else if (op < 973) {
        Send(TVM_SETINDENT, m_choose(64));
    } else if (op < 976) {
        if (HIMAGELIST image =
                reinterpret_cast<HIMAGELIST>(Send(TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(item))))
            ImageList_Destroy(image);
    } else if (op < 980) {
        if (Send(TVM_GETEDITCONTROL))
            Send(TVM_ENDEDITLABELNOW, m_choose(2));
        else
            Send(TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item));
    } else if (op < 986) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, static_cast<int>(m_choose(400)), static_cast<int>(m_choose(200)),
                     SWP_NOZORDER | SWP_NOMOVE);
    } else if (op < 990) {
        Send(WM_PAINT, reinterpret_cast<WPARAM>(m_canvas.dc()));
    } else if (op < 999) {
        Send(WM_SETREDRAW, m_choose(2));
    } else {
        TreeView_DeleteItem(m_hwnd, nullptr);
    }
}

std::string TreeExerciser::Mismatch() const
{
    std::ostringstream out;
    TreeData* td = DataOf(m_hwnd);
    const Recount r = RecountTree(td);
    const auto count = static_cast<int>(Send(TVM_GETCOUNT));
    if (r.count != count || r.count != static_cast<int>(m_live.size()))
        out << "items: " << r.count << " counted, " << count << " reported, " << m_live.size() << " live; ";
    if (!r.childCountsRight)
        out << "a child count differs; ";
    if (r.visible != td->m_nVisibleCount)
        out << "rows: " << r.visible << " counted, " << td->m_nVisibleCount << " kept; ";
    const bool firstVisibleRight =
        r.visible == 0 ? td->m_pFirstVisible == nullptr : r.firstVisibleRow == td->m_nTopIndex;
    if (!firstVisibleRight)
        out << "first visible item at row " << r.firstVisibleRow << ", top index " << td->m_nTopIndex << "; ";
    if (HTREEITEM caret = TreeView_GetNextItem(m_hwnd, nullptr, TVGN_CARET)) {
        if (!m_live.count(caret) || !(testsupport::TreeState(m_hwnd, caret) & TVIS_SELECTED))
            out << "the caret is not a live selected item; ";
    }
    if (td->m_bRedraw) {
        UpdateScrollBars(td);
        const int scanned = ScannedExtent(td);
        if (td->m_nHorzExtent != scanned)
            out << "extent: " << td->m_nHorzExtent << " kept, " << scanned << " scanned; ";
    }
    return out.str();
}

DWORD ChooseTreeStyle(const TreeExerciser::Chooser& choose)
{
    // Bit i of the choice flips optional[i].
    static const DWORD optional[] = {TVS_HASBUTTONS, TVS_LINESATROOT, TVS_EDITLABELS, TVS_FULLROWSELECT,
                                     TVS_DISABLEDRAGDROP};
    const unsigned bits = choose(32);
    DWORD style = kViewStyle;
    for (unsigned i = 0; i < 5; ++i)
        style ^= (bits >> i & 1) ? optional[i] : 0;
    return style;
}
