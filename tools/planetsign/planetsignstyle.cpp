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

BannerPanels makeBannerPanels(Platform &platform, QWidget *parent)
{
    const ToolBanners banners = makeToolBanners(platform, parent, kHighlight, kLink);
    QFrame *forum = makePanel("Frame2", parent);
    (new QVBoxLayout(forum))->addWidget(banners.forum);
    QFrame *offers = makePanel("Frame5", parent);
    auto *layout = new QVBoxLayout(offers);
    layout->addWidget(banners.coBrand);
    layout->addWidget(banners.fullBrand);
    return {forum, offers};
}

} // namespace orbelle::planetsign::style
