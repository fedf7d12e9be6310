#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace orbelle {

// The keystroke filter of the name boxes: a letter is accepted as its capital;
// Backspace, Enter and Space pass unchanged; anything else is refused.
std::optional<QChar> acceptedNameCharacter(QChar typed);

struct FilteredName {
    QString text;         // the name as the box would show it
    bool refused = false; // a character was refused on the way
};

// Types a whole name through the filter, as the command line does.
FilteredName typeThroughNameFilter(const QString &typed);

} // namespace orbelle
