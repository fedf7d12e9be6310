#pragma once

#include "shell/inputwindow.h"

namespace orbelle::health {

// frmHealthAstrologyMain: name and date of birth for a Health reading.
class HealthInputWindow : public InputWindow
{
    Q_OBJECT

public:
    explicit HealthInputWindow(ToolContext &context);

protected:
    void makeReading() override;
};

} // namespace orbelle::health
