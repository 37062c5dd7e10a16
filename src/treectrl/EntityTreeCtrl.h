// CEntityTreeCtrl: the tree control that both entity views display
// through. Its window is a tree-view window of the platform; on attachment
// the control replaces the window procedure and answers the tree-view
// message interface from its own item store (TreeStore.h). The class follows
// the class-library pattern: Create or SubclassWindow attach the object to
// a window, whose messages then pass through WindowProc.
#pragma once

#include "platform/CommCtrl.h"

// With TVIF_TEXT in TVM_INSERTITEMA and TVM_SETITEMA: the label is kept by
// reference, not copied. pszText gives its cchTextMax bytes, which need no
// terminator; the caller keeps them unchanged until the item is deleted or
// its label set again. Every message answers as for a copied label.
constexpr UINT TVIF_TEXTREF = 0x8000;

// Whether the parent is sent TVN_DELETEITEMA for every item that is
// deleted (wParam TRUE, the default) or not (FALSE); returns the former
// setting. A parent that does not handle the notification spares a message
// per item, and without it deleting all items (or the window) frees the
// items at once: a tree of millions of items goes in an instant.
constexpr UINT TVM_SETDELETENOTIFY = TV_FIRST + 0xF0;

class CEntityTreeCtrl {
public:
    CEntityTreeCtrl() = default;
    virtual ~CEntityTreeCtrl();
    CEntityTreeCtrl(const CEntityTreeCtrl&) = delete;
    CEntityTreeCtrl& operator=(const CEntityTreeCtrl&) = delete;

    // Creates the window as a child with this control id; the control
    // attaches itself when the window reports WM_CREATE.
    virtual BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    // Attaches the object (and the control) to a window that exists already.
    BOOL SubclassWindow(HWND hwnd);
    BOOL DestroyWindow();
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // What the class library does with a message: the window's procedure
    // from before the object was attached.
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

    BYTE m_bCreating = 0;

private:
    static LRESULT ClassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);

    HWND m_hWnd = nullptr;
    WNDPROC m_pfnSuper = nullptr;
};
