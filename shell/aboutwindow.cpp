#include "aboutwindow.h"

#include "fonts.h"
#include "linklabel.h"
#include "siteaddresses.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelle {

namespace {

constexpr const char *kDescription =
    "Circumstances change, and the balance of our health changes with them. QJ Orbelle Redadi "
    "Vavidader Evove helps you keep that balance: its Health Astrology, Food Astrology, Zodiac "
    "Yoga, Fruit Astrology and Zodiac Healing Sign programs read your sun sign and the planets "
    "of your birth date to give you insight into your overall health.";

constexpr const char *kHomeBusiness =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. ";

QLabel *textLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(verdana(8.25));
    return label;
}

} // namespace

AboutWindow::AboutWindow(Platform &platform, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(suiteTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(QPixmap(QStringLiteral(":/orbelle/orbelle-64.png")));

    auto *heading = textLabel(suiteTitle(), this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    heading->setFont(verdana(11, true));
    heading->setWordWrap(false);

    auto *description = textLabel(QString::fromUtf8(kDescription), this);
    description->setObjectName(QStringLiteral("lblDescription"));

    auto *business = textLabel(QString::fromUtf8(kHomeBusiness), this);
    business->setObjectName(QStringLiteral("lblHomeBusiness"));

    auto *details = new LinkLabel(QStringLiteral("Click here for more details."),
                                  sitePageUrl(SitePage::FullBranding), platform, this);
    details->setObjectName(QStringLiteral("lblCoBrand"));
    details->setFont(verdana(8.25, true, true));
    details->setStyleSheet(QStringLiteral("color: #0000FF"));

    auto *homePage = new LinkLabel(QStringLiteral("Visit our web site: ") + siteAddress(),
                                   sitePageUrl(SitePage::Home), platform, this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    homePage->setFont(verdana(8.25, true, true));
    homePage->setStyleSheet(QStringLiteral("color: #0000FF"));

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto *top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addWidget(heading, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(description);
    layout->addWidget(business);
    layout->addWidget(details);
    layout->addWidget(homePage);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    description->setFixedWidth(440);
}

AboutWindow *showAboutWindow(QWidget *over, Platform &platform)
{
    auto *about = new AboutWindow(platform, over ? over->window() : nullptr);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
    return about;
}

} // namespace orbelle
