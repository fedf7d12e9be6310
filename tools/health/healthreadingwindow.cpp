#include "healthreadingwindow.h"

#include "healthreportwindow.h"
#include "report.h"
#include "shell/banners.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/linklabel.h"
#include "shell/siteaddresses.h"
#include "shell/suitestate.h"
#include "shell/toolwindowregistry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orbelle::health {

namespace {

const QColor kPeach(0xFF, 0xCC, 0x99);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kOrange(0xFF, 0x99, 0x00);
const QColor kLinkGreen(0x99, 0xFF, 0x99);

QLabel *caption(const char *objectName, const char *text, QWidget *parent)
{
    return makeLabel(objectName, QString::fromUtf8(text), verdana(8.25, true, true), kPeach,
                     parent);
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

HealthReadingWindow::HealthReadingWindow(ToolContext &context, QWidget *inputWindow)
    : ReadingWindow(context, inputWindow, QStringLiteral("frmHealthAstrologyDisplay"),
                    QStringLiteral("QJ Health Astrology"))
{
    auto *central = new QWidget(this);
    paintWidget(central, Qt::black, Qt::white);
    setCentralWidget(central);

    auto *tabs = new QTabWidget(central);
    tabs->setObjectName(QStringLiteral("ssTab"));
    tabs->setFont(verdana(8.25, true));
    tabs->setStyleSheet(
        QStringLiteral("QTabWidget::pane { border: 1px solid #806040; }"
                       "QTabBar::tab { background: #302010; color: #FFCC99; padding: 6px 16px;"
                       " border: 1px solid #806040; border-bottom: none; margin-right: 2px; }"
                       "QTabBar::tab:selected { background: #000000; color: #FFFF00; }"));
    tabs->addTab(makeDietTab(), QStringLiteral("Sun Sign and Diet"));
    tabs->addTab(makeFitnessTab(), QStringLiteral("Sun Sign and Fitness"));

    QPushButton *print = makeButton("cmdPrint", QStringLiteral("&Print"), central);
    QPushButton *exit = makeButton("cmdExit", QStringLiteral("&Exit"), central);
    QPushButton *back = makeButton("cmdBack", QStringLiteral("&Back"), central);
    connect(print, &QPushButton::clicked, this, &HealthReadingWindow::openReport);
    connectBackAndExit(back, exit);

    const ToolBanners banners = makeToolBanners(platform(), central, kYellow, kLinkGreen);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(exit);
    buttons->addWidget(back);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(tabs, 1);
    layout->addWidget(banners.forum);
    layout->addLayout(buttons);
    layout->addWidget(banners.coBrand);
    layout->addWidget(banners.fullBrand);
    central->setFixedSize(940, 770);

    QMenu *file = addFileMenu();
    connect(addMenuAction(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print")),
            &QAction::triggered, this, &HealthReadingWindow::openReport);
    connect(addMenuAction(file, QStringLiteral("mnuBack"), QStringLiteral("&Back")),
            &QAction::triggered, this, &ReadingWindow::goBack);
    finishMenus(file, UpdateCaption::KeyOnCheck, QStringLiteral("mnuMakeMoney"));
}

QLabel *HealthReadingWindow::value(const char *objectName, const QColor &colour, QWidget *parent)
{
    QLabel *label = makeLabel(objectName, QString(), verdana(8.25, true), colour, parent);
    label->setWordWrap(true);
    return label;
}

QPlainTextEdit *HealthReadingWindow::box(const char *objectName, QWidget *parent)
{
    QPlainTextEdit *edit = makeReadingBox(objectName, parent);
    edit->setFixedHeight(72);
    return edit;
}

QWidget *HealthReadingWindow::makeDietTab()
{
    auto *tab = new QWidget;
    paintWidget(tab, Qt::black, Qt::white);

    auto *left = new QGridLayout;
    left->setVerticalSpacing(6);
    left->addWidget(caption("Label1", "Your Sun Sign", tab), 0, 0);
    QLabel *sign = value("lblSunSignYourSunSign", kYellow, tab);
    sign->setText(QStringLiteral("SunSign"));
    left->addWidget(sign, 0, 1);
    left->addWidget(caption("Label2", "Body Part Ruled By Sun Sign", tab), 1, 0);
    left->addWidget(value("lblBodyPartBySunSign", kYellow, tab), 1, 1);
    const std::pair<const char *, const char *> boxes[] = {
        {"Health Problems", "txtHealthProblems"},
        {"Required Diet", "txtRequiredDiet"},
        {"Diet to Avoid", "txtDiettoAvoid"},
        {"Diet Advice", "txtDietAdvice"},
    };
    const char *captionNames[] = {"Label3", "Label4", "Label5", "Label6"};
    int row = 2;
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        left->addWidget(caption(captionNames[i], boxes[i].first, tab), row, 0, 1, 2);
        left->addWidget(box(boxes[i].second, tab), row + 1, 0, 1, 2);
        row += 2;
    }
    left->setRowStretch(row, 1);

    auto *right = new QVBoxLayout;
    auto *type = new QHBoxLayout;
    type->addWidget(caption("Label7", "Constitution Type", tab));
    type->addWidget(value("lblConstitutionType", kYellow, tab), 1);
    right->addLayout(type);
    QLabel *typeDesc = value("lblConstitutionTypeDesc", kOrange, tab);
    typeDesc->setMinimumHeight(66);
    typeDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(typeDesc);

    const struct {
        const char *frame, *title, *element, *desc, *take, *avoid, *remedy;
    } panels[] = {
        {"fraExcess", "Excess", "lblConstitutionTypeExcess", "txtConstitutionTypeExcessDesc",
         "lblExcessItemToBeTaken", "lblExcessItemToAvoid", "lblExcessRemedy"},
        {"fraLow", "Low", "lblConstitutionTypeLow", "txtConstitutionTypeLowDesc",
         "lblLowItemToBeTaken", "lblLowItemToAvoid", "lblLowRemedy"},
    };
    for (const auto &p : panels) {
        QGroupBox *frame = makeFrame(p.frame, QString::fromLatin1(p.title), kPeach, tab);
        auto *grid = new QGridLayout(frame);
        grid->setVerticalSpacing(4);
        grid->addWidget(value(p.element, kYellow, frame), 0, 0, 1, 2);
        QPlainTextEdit *description = box(p.desc, frame);
        description->setFixedHeight(62);
        grid->addWidget(description, 1, 0, 1, 2);
        const std::pair<const char *, const char *> items[] = {
            {"Items to be taken", p.take}, {"Items to Avoid", p.avoid}, {"Remedy", p.remedy}};
        int itemRow = 2;
        for (const auto &[itemCaption, itemName] : items) {
            QLabel *c = makeLabel("", QString::fromLatin1(itemCaption), verdana(8.25, true, true),
                                  kPeach, frame);
            c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            grid->addWidget(c, itemRow, 0);
            QLabel *item = value(itemName, kOrange, frame);
            item->setMinimumHeight(30); // the longest lists take two lines
            item->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            grid->addWidget(item, itemRow++, 1);
        }
        grid->setColumnStretch(1, 1);
        right->addWidget(frame);
    }
    right->addStretch();

    auto *layout = new QHBoxLayout(tab);
    layout->addLayout(left, 1);
    layout->addSpacing(12);
    layout->addLayout(right, 1);
    return tab;
}

QWidget *HealthReadingWindow::makeFitnessTab()
{
    auto *tab = new QWidget;
    paintWidget(tab, Qt::black, Qt::white);

    QGroupBox *characteristics =
        makeFrame("fraFitness", QStringLiteral("Fitness Characteristics"), kPeach, tab);
    auto *grid = new QGridLayout(characteristics);
    const char *ratings[] = {"lblAthletic",  "lblEndurance", "lblFlexibility", "lblFocus",
                             "lblMotivated", "lblRoutine",   "lblTeamWork",    "lblvariety"};
    int i = 0;
    for (const char *name : ratings) {
        QLabel *rating = value(name, kYellow, characteristics);
        rating->setFont(verdana(10, true));
        grid->addWidget(rating, i / 2, i % 2);
        ++i;
    }

    QGroupBox *advice = makeFrame("fraAdvice", QStringLiteral("Fitness Advice"), kPeach, tab);
    auto *adviceLayout = new QVBoxLayout(advice);
    adviceLayout->addWidget(makeReadingBox("txtSunSignDesc", advice));

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(characteristics);
    layout->addWidget(advice, 1);
    return tab;
}

void HealthReadingWindow::showReading(const HealthReading &reading)
{
    m_reading = reading;
    const auto setLabel = [this](const char *name, const QString &value) {
        findChild<QLabel *>(QLatin1String(name))->setText(value);
    };
    const auto setBox = [this](const char *name, const char *value) {
        findChild<QPlainTextEdit *>(QLatin1String(name))->setPlainText(text(value));
    };
    const FitnessProfile &f = reading.fitness;
    setLabel("lblSunSignYourSunSign", signName(reading.sign));
    setLabel("lblBodyPartBySunSign", text(f.bodyPart));
    setLabel("lblAthletic", text(f.athletic));
    setLabel("lblEndurance", text(f.endurance));
    setLabel("lblFlexibility", text(f.flexibility));
    setLabel("lblFocus", text(f.focus));
    setLabel("lblMotivated", text(f.motivation));
    setLabel("lblRoutine", text(f.routine));
    setLabel("lblTeamWork", text(f.teamWork));
    setLabel("lblvariety", text(f.variety));

    const DietProfile &d = reading.diet;
    setBox("txtHealthProblems", d.healthProblems);
    setBox("txtRequiredDiet", d.requiredDiet);
    setBox("txtDiettoAvoid", d.dietToAvoid);
    setBox("txtDietAdvice", d.dietAdvice);
    setBox("txtSunSignDesc", d.fitnessAdvice);

    const QString element = elementName(reading.element);
    for (const char *name :
         {"lblConstitutionType", "lblConstitutionTypeExcess", "lblConstitutionTypeLow"})
        setLabel(name, element);
    const ElementConstitution &c = reading.constitution;
    setLabel("lblConstitutionTypeDesc", text(c.description));
    setBox("txtConstitutionTypeExcessDesc", c.excessDescription);
    setLabel("lblExcessItemToBeTaken", text(c.excessItemsToTake));
    setLabel("lblExcessItemToAvoid", text(c.excessItemsToAvoid));
    setLabel("lblExcessRemedy", text(c.excessRemedy));
    setBox("txtConstitutionTypeLowDesc", c.lowDescription);
    setLabel("lblLowItemToBeTaken", text(c.lowItemsToTake));
    setLabel("lblLowItemToAvoid", text(c.lowItemsToAvoid));
    setLabel("lblLowRemedy", text(c.lowRemedy));
}

void HealthReadingWindow::openReport()
{
    if (!m_reading)
        return;
    const Report report = healthReport(*m_reading, context().state.birthData, siteAddress());
    auto *window =
        context().windows.window<HealthReportWindow>(QStringLiteral("frmHealthAstrologySave"), [&] {
            return new HealthReportWindow(context(), report, this);
        });
    window->present();
}

} // namespace orbelle::health
