#pragma once

namespace orbelle {

// The narrow view of the launcher that tool windows get: its option panel.
class LauncherPanel
{
public:
    virtual ~LauncherPanel() = default;
    virtual void showPanel() = 0;
    virtual void hidePanel() = 0;
    virtual bool isPanelVisible() const = 0;
};

} // namespace orbelle
