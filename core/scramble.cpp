#include "scramble.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace orbelle {

namespace {
constexpr char kSubstitute = '\x1a'; // what the encoder writes for a character it cannot map
}

QByteArray toWindows1252(const QString &text)
{
    QByteArray codes;
    codes.reserve(text.size());
    // One code point at a time, so an unmappable one can be dropped rather than
    // turned into a substitute byte.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView point = QStringView(text).mid(i, length);
        i += length;
        if (length == 1 && point.at(0).unicode() < 0x80) {
            codes.append(static_cast<char>(point.at(0).unicode()));
            continue;
        }
        QStringEncoder encoder("windows-1252");
        const QByteArray code = encoder.encode(point);
        if (encoder.hasError() || code.size() != 1 || code.at(0) == kSubstitute)
            continue;
        codes.append(code);
    }
    return codes;
}

QString fromWindows1252(const QByteArray &codes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(codes);
}

QByteArray scrambleCodes(const QByteArray &plain)
{
    QByteArray out;
    out.reserve(plain.size());
    for (const char c : plain) {
        const int shifted = static_cast<unsigned char>(c) + kScrambleShift;
        if (shifted <= 255)
            out.append(static_cast<char>(shifted));
    }
    return out;
}

QByteArray unscrambleCodes(const QByteArray &scrambled)
{
    QByteArray out;
    out.reserve(scrambled.size());
    for (const char c : scrambled) {
        const int code = static_cast<unsigned char>(c);
        if (code >= kScrambleShift)
            out.append(static_cast<char>(code - kScrambleShift));
    }
    return out;
}

QString ScrambleText(const QString &plain)
{
    return fromWindows1252(scrambleCodes(toWindows1252(plain)));
}

QString UnscrambleText(const QString &scrambled)
{
    return fromWindows1252(unscrambleCodes(toWindows1252(scrambled)));
}

} // namespace orbelle
