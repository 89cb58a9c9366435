// The QString side of core/Path.h: UTF-8 on every system, whatever the ANSI code page.
#include "core/Path.h"

#include <QString>

namespace clipvane {

std::string PathBytes(const QString& path) {
    return path.toUtf8().toStdString();
}

QString PathText(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

} // namespace clipvane
