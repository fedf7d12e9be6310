#pragma once

#include "report/reportwindow.h"

namespace orbelle::health {

// frmHealthAstrologySave: the Health report; Save writes a .hel file.
class HealthReportWindow : public ReportWindow
{
    Q_OBJECT

public:
    HealthReportWindow(ToolContext &context, const Report &report, QWidget *readingWindow)
        : ReportWindow(context, ToolId::Health, QStringLiteral("frmHealthAstrologySave"),
                       QStringLiteral("QJ Health Astrology"), report, readingWindow)
    {
    }
};

} // namespace orbelle::health
