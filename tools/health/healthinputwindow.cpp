#include "healthinputwindow.h"

#include "healthreadingwindow.h"
#include "reading.h"
#include "shell/banners.h"
#include "shell/birthentrypanel.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/launcherpanel.h"
#include "shell/linklabel.h"
#include "shell/suitestate.h"
#include "shell/toolwindowregistry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelle::health {

namespace {

const QColor kDarkGreen(0x00, 0x40, 0x00);
const QColor kCream(0xFF, 0xF8, 0xDC);
const QColor kYellow(0xFF, 0xFF, 0x00);

constexpr const char *kWelcome =
    "Quillory welcomes you to take a journey into the health and medical astrology with the "
    "help of QJ Free Health Astrology Software. Give your name and date of birth, and the "
    "program produces a health report for you: the part of the body your sun sign rules, the "
    "problems it is prone to, the diet that suits you, your constitution and your fitness "
    "characteristics.";

} // namespace

HealthInputWindow::HealthInputWindow(ToolContext &context)
    : InputWindow(context, ToolId::Health, QStringLiteral("frmHealthAstrologyMain"),
                  QStringLiteral("QJ Health Astrology"), kYellow)
{
    auto *central = new QWidget(this);
    paintWidget(central, kDarkGreen, kCream);
    setCentralWidget(central);

    QLabel *welcome =
        makeLabel("Label3", QString::fromUtf8(kWelcome), verdana(9, true), kCream, central);
    welcome->setWordWrap(true);
    QLabel *prompt = makeLabel("Label4",
                               QStringLiteral("Just input your name and date of birth and get a "
                                              "Reading Now!"),
                               verdana(10, true), kYellow, central);
    prompt->setAlignment(Qt::AlignCenter);

    entry()->setParent(central);
    QPushButton *next = makeButton("cmdNext", QStringLiteral("Get My &Health Reading"), central);
    next->setDefault(true);
    QPushButton *open = makeButton(
        "cmdOpen", QStringLiteral("Click Here To Open Previously Saved Health Reading"), central);
    QPushButton *exit = makeButton("cmdExit", QStringLiteral("&Exit"), central);
    connect(next, &QPushButton::clicked, this, &InputWindow::requestReading);
    connect(open, &QPushButton::clicked, this, &InputWindow::openSavedReading);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    const QColor linkColour(0x99, 0xFF, 0x99);
    const ToolBanners banners = makeToolBanners(platform(), central, kYellow, linkColour);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(next);
    buttons->addWidget(open);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->setSpacing(10);
    layout->addWidget(welcome);
    layout->addWidget(prompt);
    layout->addWidget(entry());
    layout->addLayout(buttons);
    layout->addSpacing(6);
    layout->addWidget(banners.forum);
    layout->addWidget(banners.coBrand);
    layout->addWidget(banners.fullBrand);
    central->setFixedWidth(620);

    QMenu *file = addFileMenu();
    connect(addMenuAction(file, QStringLiteral("mnuOpen"),
                          QStringLiteral("Open Previously Saved Health Reading")),
            &QAction::triggered, this, &InputWindow::openSavedReading);
    connect(
        addMenuAction(file, QStringLiteral("mnuNext"), QStringLiteral("Get My &Health Reading")),
        &QAction::triggered, this, &InputWindow::requestReading);
    finishMenus(file, UpdateCaption::KeyOnUpdate, QStringLiteral("mnuMakeMoney"));
}

void HealthInputWindow::makeReading()
{
    const BirthInput input = entry()->input();
    context().state.birthData = birthData();
    auto *reading = context().windows.window<HealthReadingWindow>(
        QStringLiteral("frmHealthAstrologyDisplay"),
        [this] { return new HealthReadingWindow(context(), this); });
    reading->showReading(healthReadingFor(sunSignOf(input.month, input.day)));
    hide();
    reading->present();
    context().panel.hidePanel();
}

} // namespace orbelle::health
