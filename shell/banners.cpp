#include "banners.h"

#include "fonts.h"
#include "linklabel.h"

namespace orbelle {

namespace {

struct BannerRow {
    Banner banner;
    SitePage page;
    const char *text;
};

// The co-branding text is written with "&&" as designed; a label without a
// buddy shows that literally, so it is turned into one "&" for display.
constexpr BannerRow kBanners[] = {
    {Banner::ForumLine, SitePage::Home,
     "Join our free astrology discussion forum and share your readings with others."},
    {Banner::VisitLine, SitePage::Home,
     "Visit us online for more free astrology software and readings."},
    {Banner::CoBrand, SitePage::CoBranding,
     "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
     "your site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
     "co-branding."},
    {Banner::FullBrand, SitePage::FullBranding,
     "Home Business Opportunity. Start your own Internet business and make money online. Get "
     "this software fully branded for your website. Click here for more details."},
    {Banner::SiteBanner, SitePage::Home,
     "Talk astrology with thousands of members at the Quillory forum - click to visit."},
};

const BannerRow &row(Banner banner)
{
    for (const BannerRow &r : kBanners) {
        if (r.banner == banner)
            return r;
    }
    return kBanners[0];
}

} // namespace

QString bannerText(Banner banner)
{
    return QString::fromUtf8(row(banner).text).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

SitePage bannerPage(Banner banner)
{
    return row(banner).page;
}

LinkLabel *makeBanner(Banner banner, const QString &objectName, Platform &platform, QWidget *parent,
                      const QColor &colour, bool underline)
{
    auto *label =
        new LinkLabel(bannerText(banner), sitePageUrl(bannerPage(banner)), platform, parent);
    label->setObjectName(objectName);
    label->setFont(verdana(8.25, true, underline));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

ToolBanners makeToolBanners(Platform &platform, QWidget *parent, const QColor &forumColour,
                            const QColor &offerColour)
{
    return {
        makeBanner(Banner::ForumLine, QStringLiteral("Label61"), platform, parent, forumColour,
                   true),
        makeBanner(Banner::CoBrand, QStringLiteral("lblCobrand"), platform, parent, offerColour),
        makeBanner(Banner::FullBrand, QStringLiteral("lblFullBrand"), platform, parent,
                   offerColour)};
}

} // namespace orbelle
