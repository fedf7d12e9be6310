#pragma once

#include <QWidget>

namespace orbelle {

class Platform;

// frmAbout: the suite's name, what it is for, and the maker's offers.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(Platform &platform, QWidget *parent = nullptr);
};

// Shown application-modal without a nested event loop; it deletes itself on close.
AboutWindow *showAboutWindow(QWidget *over, Platform &platform);

} // namespace orbelle
