#pragma once

class QWidget;

namespace orbelle {

class LauncherPanel;
class Platform;
class ToolWindowRegistry;
struct SuiteState;

// What the app hands every tool window.
struct ToolContext {
    Platform &platform;
    LauncherPanel &panel;
    ToolWindowRegistry &windows;
    SuiteState &state;
    // The launcher, which tool windows stay above; nullptr when there is none.
    QWidget *owner = nullptr;
};

} // namespace orbelle
