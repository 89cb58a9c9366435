#pragma once
// The web addresses the program opens. They are build settings (CMake cache variables), so a
// packager can point them at real pages without touching the code.

#include <QString>
#include <QUrl>

namespace clipvane {

QUrl HomePageUrl();
QUrl UpdatePageUrl();
QUrl DonatePageUrl();
QUrl MakerSiteUrl();
// The maker's site as the main window's title shows it, e.g. "www.tarvix.example".
QString MakerSiteName();

} // namespace clipvane
