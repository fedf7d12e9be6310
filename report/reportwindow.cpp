#include "reportwindow.h"

#include "core/savedreadingfile.h"
#include "reportdocument.h"
#include "shell/banners.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/linklabel.h"
#include "shell/platform.h"
#include "shell/suitestate.h"
#include "shell/toolwindowregistry.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace orbelle {

namespace {

} // namespace

ReportWindow::ReportWindow(ToolContext &context, ToolId tool, const QString &formName,
                           const QString &title, const Report &report, QWidget *readingWindow)
    : QWidget(readingWindow, Qt::Window), m_context(context), m_tool(tool),
      m_readingWindow(readingWindow), m_view(new QTextBrowser(this))
{
    setObjectName(formName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    paintWidget(this, kPaleBlue);

    m_view->setObjectName(QStringLiteral("RTB"));
    // Links are handled here, so that only web addresses are ever opened.
    m_view->setOpenLinks(false);
    m_view->setOpenExternalLinks(false);
    m_view->setUndoRedoEnabled(false);
    paintWidget(m_view, kBeige, Qt::black);
    setupReportDocument(*m_view->document());
    QTextCursor cursor(m_view->document());
    appendRuns(cursor, report);
    linkWebAddresses(*m_view->document());
    m_view->moveCursor(QTextCursor::Start);
    connect(m_view, &QTextBrowser::anchorClicked, this, &ReportWindow::openLink);

    QPushButton *saveButton = makeButton("cmdSave", QStringLiteral("&Save"), this);
    QPushButton *printButton = makeButton("cmdPrint", QStringLiteral("&Print"), this);
    connect(saveButton, &QPushButton::clicked, this, &ReportWindow::save);
    connect(printButton, &QPushButton::clicked, this, &ReportWindow::print);

    Platform &platform = context.platform;
    const QColor navy(0x00, 0x00, 0x80);
    LinkLabel *visit =
        makeBanner(Banner::VisitLine, QStringLiteral("Label1"), platform, this, navy, true);
    LinkLabel *forum =
        makeBanner(Banner::ForumLine, QStringLiteral("Label14"), platform, this, navy, true);
    LinkLabel *coBrand = makeBanner(Banner::CoBrand, QStringLiteral("lblCobrand"), platform, this);
    LinkLabel *fullBrand =
        makeBanner(Banner::FullBrand, QStringLiteral("lblFullBrand"), platform, this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(visit, 1);
    buttons->addWidget(saveButton);
    buttons->addWidget(printButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    layout->addWidget(forum);
    layout->addWidget(coBrand);
    layout->addWidget(fullBrand);
    resize(720, 640);
}

void ReportWindow::present()
{
    setWindowModality(Qt::ApplicationModal);
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.x() + (available.width() - width()) / 2, available.y());
    }
    show();
    raise();
    activateWindow();
}

void ReportWindow::openLink(const QUrl &url)
{
    if (isWebAddress(url))
        m_context.platform.openUrl(url);
}

void ReportWindow::print()
{
    std::unique_ptr<QTextDocument> selection;
    const QTextCursor cursor = m_view->textCursor();
    if (cursor.hasSelection()) {
        selection = std::make_unique<QTextDocument>();
        setupReportDocument(*selection);
        QTextCursor(selection.get()).insertFragment(cursor.selection());
    }
    m_context.platform.print(this, PrintJob{m_view->document(), selection.get()});
}

void ReportWindow::save()
{
    const std::optional<SavedReadingFormat> format = savedReadingFormat(m_tool);
    if (!format)
        return;
    const QString path = m_context.platform.saveFileName(
        this, {QString::fromUtf8(format->saveTitle), dialogFilter(format->saveFilter),
               QString::fromLatin1(format->extension)});
    if (path.isEmpty())
        return;
    QString error;
    if (!writeSavedReading(path, m_context.state.birthData, format->layout, &error)) {
        m_context.platform.showMessage(this, MessageIcon::Critical,
                                       QStringLiteral("The reading was not saved.\n%1").arg(error));
    }
}

void ReportWindow::closeEvent(QCloseEvent *event)
{
    m_context.windows.forget(this);
    event->accept();
    if (m_readingWindow && m_readingWindow->isVisible()) {
        m_readingWindow->raise();
        m_readingWindow->activateWindow();
    }
}

} // namespace orbelle
