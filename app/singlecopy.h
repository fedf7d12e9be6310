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

} // namespace orbelle
