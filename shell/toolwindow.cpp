#include "toolwindow.h"

#include "launcherpanel.h"
#include "toolwindowregistry.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

namespace orbelle {

ToolWindow::ToolWindow(ToolContext &context, const QString &formName, const QString &title,
                       QWidget *parent)
    : QMainWindow(parent ? parent : context.owner, Qt::Window), m_context(context)
{
    setObjectName(formName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ToolWindow::present()
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        onFirstShow();
        placeTopCentre();
    }
    show();
    raise();
    activateWindow();
}

void ToolWindow::placeTopCentre()
{
    adjustSize();
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const int frameWidth = frameGeometry().width();
    move(available.x() + (available.width() - frameWidth) / 2, available.y());
}

QMenu *ToolWindow::addFileMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    return file;
}

QAction *ToolWindow::addMenuAction(QMenu *menu, const QString &objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

void ToolWindow::finishMenus(QMenu *file, UpdateCaption updateCaption, const QString &makeMoneyName,
                             const HelpMenuNames &helpNames)
{
    connect(addMenuAction(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit")),
            &QAction::triggered, this, &QWidget::close);
    addHelpMenu(menuBar(), this, platform(), updateCaption, helpNames);
    addMakeMoneyEntry(menuBar(), makeMoneyName, platform());
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    m_context.windows.forget(this);
    m_context.panel.showPanel();
    event->accept();
}

} // namespace orbelle
