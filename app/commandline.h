#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;

namespace orbelle {

// The headless mode: "read TOOL ..." and "open FILE ...". Returns the exit
// status: 0 done, 1 a file could not be read or written, 2 refused input.
int runCommandLine(const QStringList &arguments, QIODevice &out, QTextStream &err);

// True when the arguments ask for the headless mode, which needs no display.
bool isCommandLineMode(int argc, char **argv);

} // namespace orbelle
