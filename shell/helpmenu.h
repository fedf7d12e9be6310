#pragma once

#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

namespace orbelle {

class Platform;

// The update entry's access key differs between windows.
enum class UpdateCaption {
    KeyOnUpdate, // "Check for Software &Update"
    KeyOnCheck,  // "&Check for Software Update"
};

struct HelpMenuNames {
    QString firstSeparator = QStringLiteral("mnuHelp1");
    QString secondSeparator = QStringLiteral("mnuHelp2");
};

// "&Help": Online Help, Visit Us Online, update entry, About Software.
QMenu *addHelpMenu(QMenuBar *bar, QWidget *window, Platform &platform, UpdateCaption caption,
                   const HelpMenuNames &names = {});

// The switched-off "Make Money &Online" entry; it would open the full-branding offer.
void addMakeMoneyEntry(QMenuBar *bar, const QString &objectName, Platform &platform);

} // namespace orbelle
