#pragma once

#include "core/inputprofile.h"
#include "core/toolid.h"
#include "report/report.h"
#include "shell/toolcontext.h"

#include <optional>

namespace orbelle {

// What a tool makes without windows: the report of a report tool, or the
// reading as text with the captions of its reading window.
struct HeadlessReading {
    std::optional<Report> report;
    QString text;
};

// One row per tool: how the launcher opens it and how the command line reads.
struct ToolEntry {
    void (*open)(ToolContext &context);
    // The input has passed the tool's checks.
    HeadlessReading (*read)(const BirthInput &input);
};

// nullptr members for a tool that is not in this build yet.
const ToolEntry &toolEntry(ToolId tool);

} // namespace orbelle
