#pragma once

#include "toolwindow.h"

#include <QPointer>

class QAbstractButton;

namespace orbelle {

// What every reading window shares: Back returns to the input window, which
// stayed loaded (and hidden) with its entries.
class ReadingWindow : public ToolWindow
{
    Q_OBJECT

public:
    ReadingWindow(ToolContext &context, QWidget *inputWindow, const QString &formName,
                  const QString &title);

    void goBack();

protected:
    // File > Back and Exit, the Back and Exit buttons: the parts every reading window has.
    void connectBackAndExit(QAbstractButton *back, QAbstractButton *exit);

private:
    QPointer<QWidget> m_inputWindow;
};

} // namespace orbelle
