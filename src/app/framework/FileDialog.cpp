#include "app/framework/WinApp.h"

#include "app/framework/DocTemplate.h"
#include "app/framework/Wnd.h"
#include "platform/QtBridge.h"

#include <QFileDialog>

// The File Open dialog: the template's filter first ("FileType Ifc
// (*.ifc)" carries its own pattern), then every file.
BOOL CWinApp::DoPromptFileName(std::string& fileName, CDocTemplate* pTemplate)
{
    QString filter;
    std::string name;
    if (pTemplate && pTemplate->GetDocString(name, CDocTemplate::filterName))
        filter = QString::fromLatin1(name.c_str()) + QStringLiteral(";;");
    filter += QStringLiteral("All Files (*)");
    CWnd* owner = AfxGetMainWnd();
    QWidget* parent = owner ? WidgetOfWindow(owner->GetSafeHwnd()) : nullptr;
    const QString chosen = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"),
                                                        QString::fromLocal8Bit(fileName.c_str()), filter);
    if (chosen.isEmpty())
        return FALSE;
    fileName = chosen.toLocal8Bit().toStdString();
    return TRUE;
}
