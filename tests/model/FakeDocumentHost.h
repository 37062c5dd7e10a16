// A document host and status bar that record what the document asks of them.
#pragma once

#include "model/DocumentHost.h"

#include <string>
#include <utility>
#include <vector>

class CFakeStatusBar : public IProgressSink {
public:
    // Every progress call in order, as text ("ShowProgress on", "StepIt", ...).
    std::vector<std::string> m_aProgressCalls;
    // Every text written into the message pane, in order.
    std::vector<std::string> m_aMessageWrites;
    std::string m_strMessage;

    void SetProgressText(const std::string& strText) override
    {
        m_aProgressCalls.push_back("SetProgressText " + strText);
    }
    void ShowProgress(bool bShow) override
    {
        m_aProgressCalls.push_back(bShow ? "ShowProgress on" : "ShowProgress off");
    }
    void SetRange32(int nLower, int nUpper) override
    {
        m_aProgressCalls.push_back("SetRange32 " + std::to_string(nLower) + " " + std::to_string(nUpper));
    }
    void SetStep(int nStep) override { m_aProgressCalls.push_back("SetStep " + std::to_string(nStep)); }
    void StepIt() override { m_aProgressCalls.push_back("StepIt"); }
    std::string GetMessageText() const override { return m_strMessage; }
    void SetMessageText(const std::string& strText) override
    {
        m_strMessage = strText;
        m_aMessageWrites.push_back(strText);
    }
};

class CFakeDocumentHost : public IDocumentHost {
public:
    CFakeStatusBar m_statusBar;
    std::vector<const void*> m_aUpdateSenders;
    std::vector<std::pair<std::string, std::string>> m_aFileErrors;

    IProgressSink* GetStatusBar() override { return &m_statusBar; }
    void UpdateAllViews(const void* pSender) override { m_aUpdateSenders.push_back(pSender); }
    void ReportFileError(const std::string& strPath, const std::string& strReason) override
    {
        m_aFileErrors.emplace_back(strPath, strReason);
    }
    void ReportOutOfMemory() override { }
};
