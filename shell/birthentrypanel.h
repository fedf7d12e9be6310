#pragma once

#include "core/inputprofile.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace orbelle {

class Platform;
struct SavedReading;

// The name boxes and the day, month and year lists of an input window, filled
// and preset from the tool's row of the input table.
class BirthEntryPanel : public QWidget
{
    Q_OBJECT

public:
    BirthEntryPanel(const InputProfile &profile, Platform &platform, const QColor &captionColour,
                    QWidget *parent = nullptr);

    const InputProfile &profile() const { return m_profile; }
    BirthInput input() const;

    QLineEdit *nameBox(int index = 0) const { return m_nameBoxes.at(std::size_t(index)); }
    QComboBox *dayList() const { return m_day; }
    QComboBox *monthList() const { return m_month; }
    QComboBox *yearList() const { return m_year; }

    // Selects what a saved reading holds; its entries are known to be in the lists.
    void setEntries(const SavedReading &reading);

private:
    QLabel *caption(const char *objectName, const char *text);

    const InputProfile &m_profile;
    QColor m_captionColour;
    std::vector<QLineEdit *> m_nameBoxes;
    QComboBox *m_day = nullptr;
    QComboBox *m_month = nullptr;
    QComboBox *m_year = nullptr;
};

} // namespace orbelle
