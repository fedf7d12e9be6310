#pragma once

#include "core/toolid.h"
#include "shell/launcherpanel.h"
#include "shell/suitestate.h"
#include "shell/toolcontext.h"
#include "shell/toolwindowregistry.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QPushButton;

namespace orbelle {

class Platform;

// frmMDI: the suite's main window. Two pickers (the button bar and the option
// labels) open a tool; the option panel hides while a tool is open.
class LauncherWindow : public QMainWindow, public LauncherPanel
{
    Q_OBJECT

public:
    explicit LauncherWindow(Platform &platform, QWidget *parent = nullptr);
    ~LauncherWindow() override;

    void selectTool(ToolId tool);
    // Closes every loaded tool window and nothing else, as the welcome texts do.
    void closeToolWindows();

    ToolWindowRegistry &toolWindows() { return m_windows; }
    ToolContext &toolContext() { return m_context; }

    void showPanel() override;
    void hidePanel() override;
    bool isPanelVisible() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *makeButtonBar();
    QWidget *makeBannerStrip();
    QWidget *makeOptionPanel();
    QWidget *makeBottomStrip();
    void makeMenus();
    void centreOptionLabels();
    void setUnderlined(QLabel *label, bool underlined);

    Platform &m_platform;
    SuiteState m_state;
    ToolWindowRegistry m_windows;
    ToolContext m_context;

    QWidget *m_optionPanel = nullptr;
    std::array<QLabel *, 11> m_captions{};
    std::array<QPushButton *, 8> m_optionButtons{};
};

} // namespace orbelle
