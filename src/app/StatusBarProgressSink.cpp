#include "app/StatusBarProgressSink.h"

#include "app/ProgressStatusBar.h"

void CStatusBarProgressSink::SetProgressText(const std::string& strText)
{
    m_bar.SetProgressText(strText);
}

void CStatusBarProgressSink::ShowProgress(bool bShow)
{
    m_bar.ShowProgress(bShow ? TRUE : FALSE);
}

void CStatusBarProgressSink::SetRange32(int nLower, int nUpper)
{
    m_bar.GetProgressCtrl().SetRange32(nLower, nUpper);
}

void CStatusBarProgressSink::SetStep(int nStep)
{
    m_bar.GetProgressCtrl().SetStep(nStep);
}

void CStatusBarProgressSink::StepIt()
{
    m_bar.GetProgressCtrl().StepIt();
}

std::string CStatusBarProgressSink::GetMessageText() const
{
    // The bar's window text is its message pane.
    return m_bar.GetWindowText();
}

void CStatusBarProgressSink::SetMessageText(const std::string& strText)
{
    m_bar.SetWindowText(strText);
}
