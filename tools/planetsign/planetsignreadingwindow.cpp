#include "planetsignreadingwindow.h"

#include "planetsignstyle.h"
#include "shell/banners.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/linklabel.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelle::planetsign {

PlanetSignReadingWindow::PlanetSignReadingWindow(ToolContext &context, const PlanetSignTool &tool,
                                                 QWidget *inputWindow)
    : ReadingWindow(context, inputWindow, QLatin1String(tool.readingForm),
                    QString::fromUtf8(tool.title)),
      m_tool(tool)
{
    auto *central = new QWidget(this);
    paintWidget(central, style::kBackground, style::kText);
    setCentralWidget(central);

    QGroupBox *result = makeFrame(tool.resultFrame, QString::fromUtf8(tool.resultFrameCaption),
                                  style::kHighlight, central);
    paintWidget(result, style::kFrame, style::kText);
    QLabel *placed = makeLabel(tool.placedName, QString::fromUtf8(tool.placedCaption),
                               verdana(10, true), style::kText, result);
    m_sign = makeLabel(tool.signLabel, QString(), verdana(16, true), style::kHighlight, result);
    QLabel *known = makeLabel(tool.knownName, QString::fromUtf8(tool.knownCaption),
                              verdana(10, true), style::kText, result);
    m_description = makeLabel("lblSignDesc", QString(), verdana(9.75), style::kText, result);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setMinimumHeight(110);
    for (QLabel *label : {placed, m_sign, known})
        label->setAlignment(Qt::AlignCenter);
    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->setSpacing(8);
    resultLayout->addWidget(placed);
    resultLayout->addWidget(m_sign);
    resultLayout->addWidget(known);
    resultLayout->addWidget(m_description, 1);

    QPushButton *back = makeButton("cmdBack", QStringLiteral("&Back"), central);
    QPushButton *exit = makeButton("cmdExit", QStringLiteral("&Exit"), central);
    connectBackAndExit(back, exit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(exit);
    buttons->addStretch();

    const style::BannerPanels panels = style::makeBannerPanels(platform(), central);
    QFrame *frame2 = panels.forum;
    QFrame *frame5 = panels.offers;

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(result, 1);
    layout->addLayout(buttons);
    layout->addWidget(frame2);
    layout->addWidget(frame5);
    central->setFixedWidth(600);

    QMenu *file = addFileMenu();
    connect(addMenuAction(file, QStringLiteral("mnuFileBack"), QStringLiteral("&Back")),
            &QAction::triggered, this, &ReadingWindow::goBack);
    finishMenus(file, UpdateCaption::KeyOnCheck, QStringLiteral("mnuMakeMoneyOnline"),
                {QStringLiteral("mnuFileSep1"), QStringLiteral("mnuFileSep2")});
}

void PlanetSignReadingWindow::showSign(const QString &sign)
{
    if (const std::optional<SunSign> known = signFromName(sign))
        m_description->setText(QString::fromUtf8(m_tool.description(*known)));
    m_sign->setText(sign);
}

} // namespace orbelle::planetsign
