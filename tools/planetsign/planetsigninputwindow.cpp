#include "planetsigninputwindow.h"

#include "core/datecheck.h"
#include "planetsignreadingwindow.h"
#include "planetsignstyle.h"
#include "shell/banners.h"
#include "shell/birthentrypanel.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/launcherpanel.h"
#include "shell/linklabel.h"
#include "shell/suitestate.h"
#include "shell/toolwindowregistry.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelle::planetsign {

PlanetSignInputWindow::PlanetSignInputWindow(ToolContext &context, const PlanetSignTool &tool)
    : InputWindow(context, tool.tool, QLatin1String(tool.inputForm), QString::fromUtf8(tool.title),
                  style::kHighlight),
      m_tool(tool)
{
    auto *central = new QWidget(this);
    paintWidget(central, style::kBackground, style::kText);
    setCentralWidget(central);

    QFrame *frame1 = style::makePanel("Frame1", central);
    QLabel *introduction = makeLabel("Label3", QString::fromUtf8(tool.introduction),
                                     verdana(9, true), style::kText, frame1);
    introduction->setWordWrap(true);
    entry()->setParent(frame1);
    QPushButton *next = makeButton("cmdNext", QString::fromUtf8(tool.readingButton), frame1);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &InputWindow::requestReading);
    auto *frame1Layout = new QVBoxLayout(frame1);
    frame1Layout->addWidget(introduction);
    frame1Layout->addWidget(entry());
    frame1Layout->addWidget(next, 0, Qt::AlignHCenter);

    if (tool.dateCaptionOpensFullBranding) {
        if (auto *dateCaption = entry()->findChild<QLabel *>(QStringLiteral("Label2")))
            openOnClick(dateCaption, sitePageUrl(SitePage::FullBranding), platform());
    }

    const style::BannerPanels panels = style::makeBannerPanels(platform(), central);
    QFrame *frame2 = panels.forum;
    QFrame *frame5 = panels.offers;
    QPushButton *exit = makeButton("cmdExit", QStringLiteral("&Exit"), frame5);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    static_cast<QVBoxLayout *>(frame5->layout())->insertWidget(0, exit, 0, Qt::AlignHCenter);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addWidget(frame5);
    central->setFixedWidth(600);

    QMenu *file = addFileMenu();
    connect(
        addMenuAction(file, QLatin1String(tool.readingMenu), QString::fromUtf8(tool.readingButton)),
        &QAction::triggered, this, &InputWindow::requestReading);
    finishMenus(file, UpdateCaption::KeyOnUpdate, QStringLiteral("mnuMakeMoneyOnline"));
}

void PlanetSignInputWindow::makeReading()
{
    const BirthInput input = entry()->input();
    QString &result = context().state.*(m_tool.result);
    // A date the table does not cover keeps the last result.
    if (const std::optional<SunSign> sign =
            m_tool.table().signOn(CalendarDay{input.year, input.month, input.day}))
        result = signName(*sign);

    auto *reading = context().windows.window<PlanetSignReadingWindow>(
        QLatin1String(m_tool.readingForm),
        [this] { return new PlanetSignReadingWindow(context(), m_tool, this); });
    reading->showSign(result);
    hide();
    reading->present();
    context().panel.hidePanel();
}

void openPlanetSignTool(ToolContext &context, const PlanetSignTool &tool)
{
    context.windows
        .window<PlanetSignInputWindow>(QLatin1String(tool.inputForm),
                                       [&] { return new PlanetSignInputWindow(context, tool); })
        ->present();
}

} // namespace orbelle::planetsign
