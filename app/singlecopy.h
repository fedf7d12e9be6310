#pragma once

#include <QLockFile>
#include <QString>

namespace orbelle {

// Decides whether this is the only copy of the suite running for this user.
// The lock names its owner's pid, so a copy that crashed or was killed never
// blocks the next start.
class SingleCopyLock
{
public:
    explicit SingleCopyLock(const QString &path = defaultPath());

    bool acquire();

    static QString defaultPath();

private:
    QLockFile m_lock;
};

class Platform;

// Takes the lock, or tells the user the suite already runs and returns false.
bool claimSingleCopy(SingleCopyLock &lock, Platform &platform);

} // namespace orbelle
