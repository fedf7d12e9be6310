#pragma once

#include "reading.h"
#include "shell/readingwindow.h"

#include <optional>

class QLabel;
class QPlainTextEdit;

namespace orbelle::health {

// frmHealthAstrologyDisplay: the reading on two tabs, diet and fitness.
class HealthReadingWindow : public ReadingWindow
{
    Q_OBJECT

public:
    HealthReadingWindow(ToolContext &context, QWidget *inputWindow);

    void showReading(const HealthReading &reading);
    // Opens the report of the reading shown, modal over this window.
    void openReport();

private:
    QWidget *makeDietTab();
    QWidget *makeFitnessTab();
    QLabel *value(const char *objectName, const QColor &colour, QWidget *parent);
    QPlainTextEdit *box(const char *objectName, QWidget *parent);

    std::optional<HealthReading> m_reading;
};

} // namespace orbelle::health
