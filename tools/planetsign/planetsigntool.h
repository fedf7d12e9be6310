#pragma once

// Zodiac Power Sign and Zodiac Healing Sign are one design with two bodies:
// the sign of Pluto or of Chiron on the birth date, from a table of sign
// changes. Each tool is one row of values for the shared windows.

#include "core/signchangetable.h"
#include "core/toolid.h"

#include <QString>

namespace orbelle {
struct SuiteState;
}

namespace orbelle::planetsign {

struct PlanetSignTool {
    ToolId tool;
    const char *title;
    const char *inputForm;
    const char *readingForm;
    const char *introduction;  // Label3 of the input window
    const char *readingButton; // caption of cmdNext and its File menu entry
    const char *readingMenu;   // object name of that menu entry
    bool dateCaptionOpensFullBranding;

    const char *resultFrame; // frame of the reading window and its caption
    const char *resultFrameCaption;
    const char *placedName; // "<body> ... is Placed in"
    const char *placedCaption;
    const char *signLabel; // the label that shows the sign
    const char *knownName; // "<body> is known as ..."
    const char *knownCaption;

    const SignChangeTable &(*table)();
    const char *(*description)(SunSign);
    QString SuiteState::*result; // where the suite keeps this tool's last sign
};

// The reading with the captions of its reading window, as the command line prints it.
QString readingText(const PlanetSignTool &tool, SunSign sign);

} // namespace orbelle::planetsign
