#include "namefilter.h"

namespace orbelle {

std::optional<QChar> acceptedNameCharacter(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c >= u'A' && c <= u'Z')
        return typed;
    if (c >= u'a' && c <= u'z')
        return QChar(static_cast<char16_t>(c - 32));
    if (c == 8 || c == 13 || c == u' ')
        return typed;
    return std::nullopt;
}

FilteredName typeThroughNameFilter(const QString &typed)
{
    FilteredName result;
    for (const QChar c : typed) {
        const std::optional<QChar> accepted = acceptedNameCharacter(c);
        // A refused key is discarded and typing goes on, as in the name box.
        if (!accepted) {
            result.refused = true;
            continue;
        }
        if (accepted->unicode() == 8)
            result.text.chop(1);
        else if (accepted->unicode() != 13)
            result.text.append(*accepted);
    }
    return result;
}

} // namespace orbelle
