#pragma once

#include <QString>
#include <QUrl>

namespace orbelle {

QString suiteTitle(); // "QJ Orbelle Redadi Vavidader Evove v1.15"

// The pages of the maker's site that the suite opens. The site and its help
// host are built-in configuration.
enum class SitePage { Home, OnlineHelp, Download, FullBranding, CoBranding };

QString siteAddress(); // the home page as written in reports
QUrl sitePageUrl(SitePage page);

} // namespace orbelle
