#include "singlecopy.h"

#include "shell/platform.h"

#include <QDir>
#include <QStandardPaths>

namespace orbelle {

SingleCopyLock::SingleCopyLock(const QString &path) : m_lock(path)
{
    // Never stale by age: only a dead owner frees the lock.
    m_lock.setStaleLockTime(0);
}

bool SingleCopyLock::acquire()
{
    return m_lock.tryLock(0);
}

bool claimSingleCopy(SingleCopyLock &lock, Platform &platform)
{
    if (lock.acquire())
        return true;
    platform.showMessage(nullptr, MessageIcon::Information,
                         QStringLiteral("Application is already running"));
    return false;
}

QString SingleCopyLock::defaultPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/orbelle.lock");
}

} // namespace orbelle
