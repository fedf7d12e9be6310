#pragma once

#include "core/toolid.h"
#include "report.h"
#include "shell/toolcontext.h"

#include <QPointer>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace orbelle {

// The shared report window: the report in a rich-text view whose web
// addresses are links, Print (all or the selection) and Save (the saved
// reading file of the tool). It is shown modally over the reading window and
// returns to it when closed.
class ReportWindow : public QWidget
{
    Q_OBJECT

public:
    ReportWindow(ToolContext &context, ToolId tool, const QString &formName, const QString &title,
                 const Report &report, QWidget *readingWindow);

    // Application-modal, without a nested event loop.
    void present();

    QTextBrowser *reportView() const { return m_view; }

    void print();
    void save();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void openLink(const QUrl &url);

    ToolContext &m_context;
    ToolId m_tool;
    QPointer<QWidget> m_readingWindow;
    QTextBrowser *m_view;
};

} // namespace orbelle
