// The two views under test, as the main frame holds them: the upper view
// above the lower one, both views of one CKantorDocument, inside a plain
// top-level window, with an application object so that messages go through
// the views' pre-translation. Files are written into a private temporary
// folder; the status bar is a recording fake.
#pragma once

#include "views/KantorDocument.h"
#include "views/KantorInverseView.h"
#include "views/KantorView.h"

#include "model/FakeDocumentHost.h"
#include "model/ModelTestFiles.h"
#include "support/TestSupport.h"
#include "support/TreeItems.h"

#include "framework/WinApp.h"
#include "platform/CommCtrl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using Strings = std::vector<std::string>;
using testsupport::TreeCaret;
using testsupport::TreeChildren;
using testsupport::TreeLabel;
using testsupport::TreeLabels;
using testsupport::TreeRootOf;
using testsupport::TreeState;

class ViewsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the file as the framework does: the document's open, then the
    // initial update of both views. False when the open failed.
    bool Open(const std::string& strPath);
    bool OpenText(const std::string& strContent) { return Open(m_folder.Write("test.ifc", strContent)); }
    void NewDocument();

    CKantorDoc& Doc() { return m_pDocument->GetKantorDoc(); }
    // The current entity and the upper tree's caret.
    std::pair<std::int32_t, HTREEITEM> Current() { return {Doc().GetCurrentEntity(), TreeCaret(Upper())}; }
    HWND Upper() const { return m_pUpper->GetTreeHwnd(); }
    HWND Lower() const { return m_pLower->GetTreeHwnd(); }

    static void Select(HWND hTree, HTREEITEM hItem);
    // A point on the item's label, in the tree's client coordinates.
    static POINT LabelPoint(HWND hTree, HTREEITEM hItem);
    // The user unfolds the item: a double click on its label.
    static void DoubleClick(HWND hTree, HTREEITEM hItem);
    // A message as the window system delivers input: posted to the tree and
    // pumped, so that the views' pre-translation sees it first.
    static void PostAndPump(HWND hTree, UINT msg, POINT point);
    // The real pointer moves onto the tree at the point (and off the window
    // it was over), through the event bridge.
    static void MoveMouse(HWND hTree, POINT point);

    void CompleteInverse() { ::CompleteInverse(Doc()); }

    CTempFolder m_folder;
    CFakeStatusBar m_statusBar;
    testsupport::MessageRecorder m_recorder;
    std::unique_ptr<CWinApp> m_pApp;
    CWnd m_frame;
    CKantorDocument* m_pDocument = nullptr;
    CKantorView* m_pUpper = nullptr;
    CKantorInverseView* m_pLower = nullptr;
};
