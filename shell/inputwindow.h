#pragma once

#include "core/birthdata.h"
#include "core/toolid.h"
#include "toolwindow.h"

namespace orbelle {

class BirthEntryPanel;

// What every input window shares: the entry panel configured from the tool's
// row of the input table, the checks of the reading button, and Open.
class InputWindow : public ToolWindow
{
    Q_OBJECT

public:
    InputWindow(ToolContext &context, ToolId tool, const QString &formName, const QString &title,
                const QColor &captionColour);

    BirthEntryPanel *entry() const { return m_entry; }

    // The reading button: checks the entries, then makes the tool's reading.
    void requestReading();

    // The Open button of the report tools: a saved reading fills the entries,
    // then the reading button runs.
    void openSavedReading();

protected:
    virtual void makeReading() = 0;

    // The entries as the record of the reading: trimmed name, year, month name, day.
    BirthData birthData() const;

    void onFirstShow() override;

private:
    bool validate();
    void refuseFile();

    ToolId m_tool;
    BirthEntryPanel *m_entry;
};

} // namespace orbelle
