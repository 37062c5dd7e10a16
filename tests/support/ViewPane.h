// A view made as a child pane of a frame for a document, the way the
// frame's splitter makes its views, at a given place: for tests and
// benchmarks that run views without the application's frame.
#pragma once

#include "framework/CreateContext.h"
#include "framework/Wnd.h"

namespace testsupport {

template <class TView>
TView* CreateViewPane(CWnd& frame, CDocument& document, const RECT& rect, UINT nID)
{
    auto* pView = new TView;
    CCreateContext context;
    context.m_pCurrentDoc = &document;
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, &frame, nID, &context))
        return nullptr;
    return pView;
}

} // namespace testsupport
