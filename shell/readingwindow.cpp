#include "readingwindow.h"

#include "launcherpanel.h"
#include "toolwindow.h"

#include <QAbstractButton>

namespace orbelle {

ReadingWindow::ReadingWindow(ToolContext &context, QWidget *inputWindow, const QString &formName,
                             const QString &title)
    : ToolWindow(context, formName, title), m_inputWindow(inputWindow)
{
}

void ReadingWindow::goBack()
{
    close();
    if (auto *input = qobject_cast<ToolWindow *>(m_inputWindow.data()))
        input->present();
    context().panel.hidePanel();
}

void ReadingWindow::connectBackAndExit(QAbstractButton *back, QAbstractButton *exit)
{
    connect(back, &QAbstractButton::clicked, this, &ReadingWindow::goBack);
    connect(exit, &QAbstractButton::clicked, this, &QWidget::close);
}

} // namespace orbelle
