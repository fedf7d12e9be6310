#pragma once

#include "birthdata.h"
#include "toolid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace orbelle {

enum class SavedLayout {
    NameDayMonthYear, // Health, Zodiac Yoga, Flower
    NameMonthDayYear, // Financial
};

// The file dialog settings and line order of one report tool's saved readings.
struct SavedReadingFormat {
    ToolId tool;
    const char *extension; // lower case, without the dot
    SavedLayout layout;
    const char *saveFilter; // "description|pattern"
    const char *saveTitle;
    const char *openFilter;
};

inline constexpr const char *kOpenDialogTitle = "Select the source file";
inline constexpr const char *kCheckTheFileMessage = "Please Check The File.";
// Enough for four lines of any name a box can hold; anything larger is not ours.
inline constexpr qint64 kSavedReadingMaxBytes = 4096;

std::optional<SavedReadingFormat> savedReadingFormat(ToolId tool);
// Picks the tool by the file's last three characters, case-sensitively.
std::optional<SavedReadingFormat> savedReadingFormatForPath(const QString &path);
bool hasExtension(const QString &path, const SavedReadingFormat &format);

// "QJ Free Health Astrology | *.hel" -> "QJ Free Health Astrology (*.hel)"
QString dialogFilter(const char *pipeFilter);

// The four scrambled lines, each ending in CR LF, as Windows-1252 bytes.
QByteArray encodeSavedReading(const BirthData &data, SavedLayout layout);

// Writes through QSaveFile, so an existing file is replaced only by a complete one.
bool writeSavedReading(const QString &path, const BirthData &data, SavedLayout layout,
                       QString *error);

// Up to five unscrambled lines of a regular file, reading at most the byte bound.
std::optional<QStringList> readSavedReadingLines(const QString &path, QString *error);
QStringList decodeSavedReadingLines(const QByteArray &bytes);

// The entries a saved reading selects. Every field must be an entry of its list.
struct SavedReading {
    QString name;
    int day = 0;
    int month = 0;
    int year = 0;
};

std::optional<SavedReading> interpretSavedLines(const QStringList &lines, SavedLayout layout,
                                                int firstYear, int lastYear);

} // namespace orbelle
