#include "launcherwindow.h"

#include "shell/banners.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/helpmenu.h"
#include "shell/linklabel.h"
#include "shell/platform.h"
#include "shell/siteaddresses.h"
#include "skypanel.h"
#include "toolcatalog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelle {

namespace {

// Design units are twips; 15 twips make one pixel at 96 dots per inch.
constexpr int px(int twips)
{
    return twips / 15;
}

struct CaptionRow {
    const char *text;
    QColor colour;
    qreal pointSize;
    int designTop; // twips
};

// lblCaption(0..10); 3..10 are the option labels of ToolId 0..7.
const CaptionRow kCaptions[11] = {
    {"Welcome to QJ Orbelle Redadi Vavidader Evove", {0x00, 0xFF, 0xFF}, 12, 240},
    {"Welcome to the QJ Orbelle Redadi Vavidader Evove! Let astrology help you make health "
     "related decisions easily! Know more about your body constitution and preventive measures "
     "and cures!",
     {0xFF, 0x00, 0x00},
     8.25,
     840},
    {"QJ Orbelle Redadi Vavidader Evove includes the following programs",
     {0x00, 0xFF, 0xFF},
     12,
     1800},
    {"Financial Astrology", {0xFF, 0xFF, 0x00}, 12, 3360},
    {"Flower Astrology", {0xFF, 0x00, 0xFF}, 12, 3720},
    {"Food Astrology", {0x00, 0xFF, 0x00}, 12, 3000},
    {"Fruit Astrology", {0xFF, 0x00, 0x00}, 12, 4080},
    {"Health Astrology", {0x00, 0xFF, 0xFF}, 12, 2400},
    {"Zodiac Power Sign", {0xFF, 0x80, 0x00}, 12, 4080},
    {"Zodiac Healing Sign", {0xFF, 0x00, 0xFF}, 12, 4680},
    {"Zodiac Yoga", {0xFF, 0x80, 0x00}, 12, 3600},
};
constexpr int kFirstOptionLabel = 3;

struct ButtonPlace {
    int left, top; // twips, inside picButtonContainer
};

// The visible buttons stand in three columns; the hidden ones are parked below.
constexpr ButtonPlace kButtonPlaces[8] = {
    {960, 1320},  // Financial (hidden)
    {1440, 1320}, // Flower (hidden)
    {5040, 360},  // Food
    {960, 728},   // Fruit
    {960, 128},   // Health
    {1920, 1320}, // Power Sign (hidden)
    {9120, 728},  // Healing Sign
    {9120, 128},  // Yoga
};

} // namespace

LauncherWindow::LauncherWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent),
      m_platform(platform), m_context{platform, *this, m_windows, m_state, this}
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(suiteTitle());

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeButtonBar());
    layout->addWidget(makeBannerStrip());
    // The option panel fills the client area; while a tool is open the bare
    // area shows instead, so the strips keep their places.
    auto *clientArea = new QWidget(central);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    paintWidget(clientArea, QColor(0x40, 0x40, 0x40));
    auto *clientLayout = new QVBoxLayout(clientArea);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(makeOptionPanel());
    layout->addWidget(clientArea, 1);
    layout->addWidget(makeBottomStrip());
    setCentralWidget(central);
    makeMenus();
    resize(1000, 640);
}

LauncherWindow::~LauncherWindow()
{
    m_windows.closeAll();
}

QWidget *LauncherWindow::makeButtonBar()
{
    auto *bar = new SkyPanel(QColor(0xF4, 0xF2, 0xFF), QColor(0xDC, 0xDA, 0xF2),
                             QColor(0x60, 0x58, 0xB0), this);
    bar->setObjectName(QStringLiteral("picButtonBar"));
    bar->setFixedHeight(px(1380));

    auto *container = new QWidget(bar);
    container->setObjectName(QStringLiteral("picButtonContainer"));
    container->setFixedSize(px(11775), px(1275));
    for (ToolId tool : kAllTools) {
        const int index = toolIndex(tool);
        const ToolDescriptor &descriptor = toolDescriptor(tool);
        const QByteArray name = "cmdSelectOption_" + QByteArray::number(index);
        QPushButton *button =
            makeButton(name.constData(), QString::fromUtf8(descriptor.caption), container);
        paintWidget(button, kLightGrey);
        const ButtonPlace place = kButtonPlaces[index];
        const int width = descriptor.offeredInLauncher ? px(2490) : px(450);
        button->setGeometry(px(place.left), px(place.top), width, px(495));
        button->setVisible(descriptor.offeredInLauncher);
        connect(button, &QPushButton::clicked, this, [this, tool] { selectTool(tool); });
        m_optionButtons[std::size_t(index)] = button;
    }

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(container);
    row->addStretch();
    return bar;
}

QWidget *LauncherWindow::makeBannerStrip()
{
    auto *strip = new SkyPanel(QColor(0xD4, 0xD4, 0xFF), kPaleBlue, Qt::white, this);
    strip->setObjectName(QStringLiteral("Picture6"));
    openOnClick(strip, sitePageUrl(SitePage::Home), m_platform);

    LinkLabel *banner = makeBanner(Banner::SiteBanner, QStringLiteral("lblQuilloryBanner"),
                                   m_platform, strip, Qt::black);
    banner->setFont(verdana(8.25, true));
    banner->setWordWrap(false); // one line in a strip of fixed size
    banner->setAlignment(Qt::AlignCenter);
    banner->setAutoFillBackground(true);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::Window, Qt::white);
    banner->setPalette(palette);
    banner->setFixedSize(px(9480), 30);

    strip->setFixedHeight(42);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 6, 0, 6);
    row->addStretch();
    row->addWidget(banner);
    row->addStretch();
    return strip;
}

QWidget *LauncherWindow::makeOptionPanel()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("picMain"));
    paintWidget(panel, Qt::black, Qt::white);
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
    panel->setMinimumHeight(px(4680) + 60);
    m_optionPanel = panel;

    for (int i = 0; i < 11; ++i) {
        const CaptionRow &row = kCaptions[i];
        const QByteArray name = "lblCaption_" + QByteArray::number(i);
        QLabel *label = makeLabel(name.constData(), QString::fromUtf8(row.text),
                                  verdana(row.pointSize, true), row.colour, panel);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (i == 1) {
            label->setWordWrap(true);
            label->setFixedWidth(720);
        }
        label->installEventFilter(this);
        bool shown = true;
        if (i >= kFirstOptionLabel) {
            const ToolDescriptor &tool = toolDescriptor(ToolId(i - kFirstOptionLabel));
            label->setCursor(Qt::PointingHandCursor);
            shown = tool.offeredInLauncher;
            label->setVisible(shown);
        }
        // Labels that are never shown need no measuring.
        if (shown)
            label->adjustSize();
        m_captions[std::size_t(i)] = label;
    }
    return panel;
}

QWidget *LauncherWindow::makeBottomStrip()
{
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("PicCoBrand"));
    paintWidget(strip, kPaleBlue);

    LinkLabel *fullBrand =
        makeBanner(Banner::FullBrand, QStringLiteral("Label7"), m_platform, strip, Qt::black, true);
    fullBrand->setFixedWidth(px(6975));

    QPushButton *exit = makeButton("cmdMdiExit", QStringLiteral("&Exit"), strip);
    paintWidget(exit, kLightGrey);
    exit->setFixedSize(px(1335), px(495));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    strip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(px(120), px(120), px(120), px(120));
    row->addStretch();
    row->addWidget(fullBrand);
    row->addStretch();
    row->addWidget(exit, 0, Qt::AlignTop);
    return strip;
}

void LauncherWindow::makeMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    addHelpMenu(menuBar(), this, m_platform, UpdateCaption::KeyOnUpdate);
    addMakeMoneyEntry(menuBar(), QStringLiteral("mkmoney"), m_platform);
}

void LauncherWindow::centreOptionLabels()
{
    const int width = m_optionPanel->width();
    for (int i = 0; i < 11; ++i) {
        QLabel *label = m_captions[std::size_t(i)];
        label->move((width - label->width()) / 2, px(kCaptions[i].designTop));
    }
}

void LauncherWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    centreOptionLabels();
}

void LauncherWindow::closeToolWindows()
{
    m_windows.closeAll();
}

void LauncherWindow::selectTool(ToolId tool)
{
    closeToolWindows();
    const ToolEntry &entry = toolEntry(tool);
    if (!entry.open)
        return;
    hidePanel();
    entry.open(m_context);
}

void LauncherWindow::showPanel()
{
    m_optionPanel->show();
}

void LauncherWindow::hidePanel()
{
    m_optionPanel->hide();
}

bool LauncherWindow::isPanelVisible() const
{
    return m_optionPanel->isVisible();
}

void LauncherWindow::setUnderlined(QLabel *label, bool underlined)
{
    QFont font = label->font();
    if (font.underline() == underlined)
        return;
    font.setUnderline(underlined);
    label->setFont(font);
}

bool LauncherWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_optionPanel) {
        // The bare panel takes the underline off every label.
        if (event->type() == QEvent::MouseMove) {
            for (QLabel *label : m_captions)
                setUnderlined(label, false);
        } else if (event->type() == QEvent::Resize) {
            centreOptionLabels();
        }
        return false;
    }
    for (int i = 0; i < 11; ++i) {
        if (watched != m_captions[std::size_t(i)])
            continue;
        const bool option = i >= kFirstOptionLabel;
        if (option && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove))
            setUnderlined(m_captions[std::size_t(i)], true);
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            if (option)
                selectTool(ToolId(i - kFirstOptionLabel));
            else
                closeToolWindows();
            return true;
        }
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void LauncherWindow::closeEvent(QCloseEvent *event)
{
    m_windows.closeAll();
    event->accept();
    QApplication::quit();
}

} // namespace orbelle
