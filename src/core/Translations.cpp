#include "core/Translations.h"

#include "core/Global.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace clipvane {

namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

bool Install(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (folder.isEmpty() || !translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    Installed().push_back(std::move(translator));
    return true;
}

std::string TranslateText(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

QString TranslationsFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString beside = program + QStringLiteral("/translations");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(program + QStringLiteral("/../share/clipvane/translations"));
}

bool LoadTranslations(const QLocale& locale, const QString& folder) {
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    // Qt's loader would walk the user's whole list past English, which has no catalog of its own
    // ("en_US:de" would show German): the first language listed that we can show wins.
    // Qt follows a language it does not know ("ie") with a "C" of its own: that says nothing, and
    // the user's next language still counts.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English)
            return false;
        if (wanted.language() == QLocale::C || !Install(wanted, QStringLiteral("clipvane"), folder))
            continue; // a language we have no catalog for
        // Qt's own texts (the buttons of message boxes, the file dialog): shipped beside the program's
        // catalogs on Windows, from the system's Qt elsewhere.
        if (!Install(wanted, QStringLiteral("qtbase"), folder))
            Install(wanted, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return true;
    }
    return false;
}

void TranslateCoreTexts() {
    SetTranslate(&TranslateText);
}

} // namespace clipvane
