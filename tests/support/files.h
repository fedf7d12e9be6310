#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orbelle::test {

// The bytes of a file, or nothing when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace orbelle::test
