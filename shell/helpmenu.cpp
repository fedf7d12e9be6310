#include "helpmenu.h"

#include "aboutwindow.h"
#include "platform.h"
#include "siteaddresses.h"

#include <QMenu>
#include <QMenuBar>

namespace orbelle {

namespace {

QAction *addPageEntry(QMenu *menu, const QString &name, const QString &caption, SitePage page,
                      Platform &platform)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu,
                     [&platform, page] { platform.openUrl(sitePageUrl(page)); });
    return action;
}

void addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

QMenu *addHelpMenu(QMenuBar *bar, QWidget *window, Platform &platform, UpdateCaption caption,
                   const HelpMenuNames &names)
{
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    addPageEntry(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
                 SitePage::OnlineHelp, platform);
    addPageEntry(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
                 SitePage::Home, platform);
    addSeparator(help, names.firstSeparator);
    addPageEntry(help, QStringLiteral("mnuUpdate"),
                 caption == UpdateCaption::KeyOnUpdate
                     ? QStringLiteral("Check for Software &Update")
                     : QStringLiteral("&Check for Software Update"),
                 SitePage::Download, platform);
    addSeparator(help, names.secondSeparator);
    QAction *about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, window,
                     [window, &platform] { showAboutWindow(window, platform); });
    return help;
}

void addMakeMoneyEntry(QMenuBar *bar, const QString &objectName, Platform &platform)
{
    QAction *action = bar->addAction(QStringLiteral("Make Money &Online"));
    action->setObjectName(objectName);
    QObject::connect(action, &QAction::triggered, bar,
                     [&platform] { platform.openUrl(sitePageUrl(SitePage::FullBranding)); });
    // Switched off in this edition; shown greyed so the menu bar looks as designed.
    action->setEnabled(false);
}

} // namespace orbelle
