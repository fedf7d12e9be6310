#pragma once

#include "birthdata.h"
#include "toolid.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace orbelle {

enum class MessageIcon { Information, Critical };

struct NameBoxRule {
    const char *objectName;
    const char *emptyMessage; // nullptr: the box may stay empty
};

// One row of the per-tool input table: what every input window shares, set per tool.
struct InputProfile {
    ToolId tool;
    std::array<NameBoxRule, 3> nameBoxes;
    int nameBoxCount;
    bool hasDateLists;
    int firstYear;
    int lastYear;
    const char *keystrokeMessage; // nullptr: the name box is not filtered
    MessageIcon nameMessageIcon;
    bool trimNameBeforeTest;
    const char *readingButton;
    bool remindOnLoad;
};

const InputProfile &inputProfile(ToolId tool);

// What the user entered, as the windows and the command line hand it over.
struct BirthInput {
    QStringList names; // one text per name box, in the profile's order
    int day = 1;
    int month = 1; // 1..12
    int year = 1900;
};

struct InputRefusal {
    QString message;
    MessageIcon icon = MessageIcon::Information;
    int focusNameBox = -1; // the name box that gets the focus, or -1
};

// The record a reading keeps of its person: the first name box trimmed, the
// year, the month name and the day.
BirthData birthDataOf(const BirthInput &input);

// The checks of the reading button, in order; the first failing one is returned.
std::optional<InputRefusal> checkBirthInput(const InputProfile &profile, const BirthInput &input);

} // namespace orbelle
