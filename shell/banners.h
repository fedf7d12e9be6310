#pragma once

#include "siteaddresses.h"

#include <QColor>
#include <QString>

class QWidget;

namespace orbelle {

class LinkLabel;
class Platform;

// The advertising lines that every window carries, each opening its page.
enum class Banner {
    ForumLine,  // Label61 and the report windows' Label14
    VisitLine,  // the report windows' Label1
    CoBrand,    // lblCobrand
    FullBrand,  // lblFullBrand, the launcher's Label7
    SiteBanner, // the launcher's lblQuilloryBanner
};

QString bannerText(Banner banner);
SitePage bannerPage(Banner banner);

// Verdana 8.25 bold in the given colour, as every window shows them.
LinkLabel *makeBanner(Banner banner, const QString &objectName, Platform &platform, QWidget *parent,
                      const QColor &colour = QColor(0x00, 0x00, 0x80), bool underline = false);

// Label61 (the forum line, underlined), lblCobrand and lblFullBrand: the links
// every tool window carries.
struct ToolBanners {
    LinkLabel *forum;
    LinkLabel *coBrand;
    LinkLabel *fullBrand;
};
ToolBanners makeToolBanners(Platform &platform, QWidget *parent, const QColor &forumColour,
                            const QColor &offerColour);

} // namespace orbelle
