#pragma once

#include "helpmenu.h"
#include "toolcontext.h"

#include <QMainWindow>

class QMenu;

namespace orbelle {

// Every input and reading window: named after its form, placed at the top
// centre of the screen, deleted when closed, and closing it brings the
// launcher's option panel back.
class ToolWindow : public QMainWindow
{
    Q_OBJECT

public:
    ToolWindow(ToolContext &context, const QString &formName, const QString &title,
               QWidget *parent = nullptr);

    // Places the window and shows it; the first call also runs onFirstShow().
    void present();

protected:
    ToolContext &context() const { return m_context; }
    Platform &platform() const { return m_context.platform; }

    virtual void onFirstShow() {}

    // Menus every tool window shares; the caller adds its own entries first.
    QMenu *addFileMenu();
    QAction *addMenuAction(QMenu *menu, const QString &objectName, const QString &caption);
    // What every tool window's menus end with: File > "E&xit" (mnuExit), the
    // Help menu and the switched-off "Make Money &Online" entry.
    void finishMenus(QMenu *file, UpdateCaption updateCaption, const QString &makeMoneyName,
                     const HelpMenuNames &helpNames = {});

    void closeEvent(QCloseEvent *event) override;

private:
    void placeTopCentre();

    ToolContext &m_context;
    bool m_shownOnce = false;
};

} // namespace orbelle
