#include "planetsignstyle.h"

#include "shell/banners.h"
#include "shell/fonts.h"
#include "shell/linklabel.h"

#include <QFrame>
#include <QVBoxLayout>

namespace orbelle::planetsign::style {

QFrame *makePanel(const char *objectName, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(objectName));
    panel->setFrameShape(QFrame::StyledPanel);
    paintWidget(panel, kFrame, kText);
    return panel;
}

QFrame *makeForumPanel(Platform &platform, QWidget *parent)
{
    QFrame *panel = makePanel("Frame2", parent);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(makeBanner(Banner::ForumLine, QStringLiteral("Label61"), platform, panel,
                                 kHighlight, true));
    return panel;
}

QFrame *makeOffersPanel(Platform &platform, QWidget *parent)
{
    QFrame *panel = makePanel("Frame5", parent);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(
        makeBanner(Banner::CoBrand, QStringLiteral("lblCobrand"), platform, panel, kLink));
    layout->addWidget(
        makeBanner(Banner::FullBrand, QStringLiteral("lblFullBrand"), platform, panel, kLink));
    return panel;
}

} // namespace orbelle::planetsign::style
