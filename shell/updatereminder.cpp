#include "updatereminder.h"

#include "core/scramble.h"
#include "platform.h"
#include "siteaddresses.h"

#include <QDate>

namespace orbelle {

namespace {

const QString kGroup = QStringLiteral("Settings");
constexpr int kQuietDays = 14;

QString valueName()
{
    return ScrambleText(QStringLiteral("Duration"));
}

void storeToday(Platform &platform)
{
    platform.setSetting(kGroup, valueName(), ScrambleText(platform.today().toString(Qt::ISODate)));
}

} // namespace

void runUpdateReminder(Platform &platform, QWidget *parent)
{
    const QString stored = UnscrambleText(platform.setting(kGroup, valueName()).toString());
    if (stored.isEmpty()) {
        storeToday(platform);
        return;
    }
    const QDate last = QDate::fromString(stored, Qt::ISODate);
    if (!last.isValid())
        return;
    const qint64 days = platform.today().daysTo(last);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;
    const bool yes =
        platform.askYesNo(parent, MessageIcon::Information,
                          QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?"));
    storeToday(platform);
    if (yes)
        platform.openUrl(sitePageUrl(SitePage::Download));
}

} // namespace orbelle
