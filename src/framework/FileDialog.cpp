#include "framework/WinApp.h"

#include "framework/DocTemplate.h"
#include "framework/Wnd.h"
#include "platform/qt/QtBridge.h"

#include <QFileDialog>

std::string FileOpenFilter(const CDocTemplate* pTemplate, const std::string& moreFilters)
{
    // The filter name carries its own pattern: "FileType Ifc (*.ifc)".
    std::string filter;
    if (pTemplate && pTemplate->GetDocString(filter, CDocTemplate::filterName))
        filter += ";;";
    if (!moreFilters.empty())
        filter += moreFilters + ";;";
    return filter + "All Files (*)";
}

BOOL CWinApp::DoPromptFileName(std::string& fileName, CDocTemplate* pTemplate)
{
    const QString filter = QString::fromStdString(FileOpenFilter(pTemplate, m_strMoreFileFilters));
    CWnd* owner = AfxGetMainWnd();
    QWidget* parent = owner ? WidgetOfWindow(owner->GetSafeHwnd()) : nullptr;
    const QString chosen = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"),
                                                        QString::fromLocal8Bit(fileName.c_str()), filter);
    if (chosen.isEmpty())
        return FALSE;
    fileName = chosen.toLocal8Bit().toStdString();
    return TRUE;
}
