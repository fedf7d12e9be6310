#pragma once

class QWidget;

namespace orbelle {

class Platform;

// Asks at most once a fortnight whether to look for an update; the first run
// only records the date.
void runUpdateReminder(Platform &platform, QWidget *parent);

} // namespace orbelle
