#include "siteaddresses.h"

namespace orbelle {

namespace {
constexpr const char *kSite = "https://www.quillory.example";
constexpr const char *kHelpHost = "https://help.quillory.example";
constexpr const char *kSuitePath = "/qj-free-orbelle-health-astrology-suite";
} // namespace

QString suiteTitle()
{
    return QStringLiteral("QJ Orbelle Redadi Vavidader Evove v1.15");
}

QString siteAddress()
{
    return QString::fromLatin1(kSite);
}

QUrl sitePageUrl(SitePage page)
{
    const QString site = QString::fromLatin1(kSite);
    const QString help = QString::fromLatin1(kHelpHost);
    const QString suite = QString::fromLatin1(kSuitePath);
    switch (page) {
    case SitePage::Home:
        return QUrl(site + QLatin1Char('/'));
    case SitePage::OnlineHelp:
        return QUrl(site + suite +
                    QStringLiteral("/qj-free-orbelle-health-astrology-suite-help.html"));
    case SitePage::Download:
        return QUrl(site + suite +
                    QStringLiteral("/download-qj-free-orbelle-health-astrology-suite.html"));
    case SitePage::FullBranding:
        return QUrl(help + QStringLiteral("/fully-branded.html"));
    case SitePage::CoBranding:
        return QUrl(help + QStringLiteral("/co-brand.html"));
    }
    return {};
}

} // namespace orbelle
