// What the document needs from the application around it. The model sees no
// framework: the application implements these on its status bar and its
// document/view framework.
#pragma once

#include <string>

// The status bar operations that loading and the inverse computation use.
class IProgressSink {
public:
    // Sets the label shown beside the progress bar.
    virtual void SetProgressText(const std::string& strText) = 0;
    // Switches the bar's progress mode on or off.
    virtual void ShowProgress(bool bShow) = 0;
    // PBM_SETRANGE32 to the progress control.
    virtual void SetRange32(int nLower, int nUpper) = 0;
    // PBM_SETSTEP to the progress control.
    virtual void SetStep(int nStep) = 0;
    // PBM_STEPIT to the progress control.
    virtual void StepIt() = 0;
    // The text of the message pane (the bar's first pane).
    virtual std::string GetMessageText() const = 0;
    // Sets the text of the message pane. The document writes only texts that
    // differ from what the pane shows.
    virtual void SetMessageText(const std::string& strText) = 0;

protected:
    ~IProgressSink() = default;
};

// The framework's side of one document.
class IDocumentHost {
public:
    // The main frame's status bar, or null when there is none to report to.
    virtual IProgressSink* GetStatusBar() = 0;
    // Updates every view of the document except pSender (hint 0, no hint object).
    virtual void UpdateAllViews(const void* pSender) = 0;
    // Shows the framework's standard message for a file that cannot be
    // opened or read, naming the file and the reason.
    virtual void ReportFileError(const std::string& strPath, const std::string& strReason) = 0;
    // Shows the framework's standard message for an operation abandoned
    // for lack of memory.
    virtual void ReportOutOfMemory() = 0;

protected:
    ~IDocumentHost() = default;
};
