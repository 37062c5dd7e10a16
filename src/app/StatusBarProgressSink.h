// The status bar as the model sees it: the document reports load and
// inverse-computation progress through IProgressSink, and this adapter
// carries those calls to the main frame's CProgressStatusBar.
#pragma once

#include "model/DocumentHost.h"

class CProgressStatusBar;

class CStatusBarProgressSink : public IProgressSink {
public:
    explicit CStatusBarProgressSink(CProgressStatusBar& bar) : m_bar(bar) { }

    void SetProgressText(const std::string& strText) override;
    void ShowProgress(bool bShow) override;
    void SetRange32(int nLower, int nUpper) override;
    void SetStep(int nStep) override;
    void StepIt() override;
    std::string GetMessageText() const override;
    void SetMessageText(const std::string& strText) override;

private:
    CProgressStatusBar& m_bar;
};
