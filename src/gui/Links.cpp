#include "gui/Links.h"

namespace clipvane {

QUrl HomePageUrl() {
    return QUrl(QString::fromUtf8(CLIPVANE_HOME_URL));
}

QUrl UpdatePageUrl() {
    return QUrl(QString::fromUtf8(CLIPVANE_UPDATE_URL));
}

QUrl DonatePageUrl() {
    return QUrl(QString::fromUtf8(CLIPVANE_DONATE_URL));
}

QUrl MakerSiteUrl() {
    return QUrl(QString::fromUtf8(CLIPVANE_MAKER_URL));
}

QString MakerSiteName() {
    return QString::fromUtf8(CLIPVANE_MAKER_SITE_NAME);
}

} // namespace clipvane
