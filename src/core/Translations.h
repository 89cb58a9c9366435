#pragma once
// The user's language: the program's catalogs and Qt's own, chosen by the system's locale.

#include <QLocale>
#include <QString>

namespace clipvane {

// The languages the program has catalogs for, as in the catalogs' file names ("de", "pt_BR", ...).
inline constexpr const char* kCatalogLanguages[] = {"de", "fr", "es", "pt_BR", "ru", "zh_CN", "ja"};

// Where the program's catalogs are: "translations" beside the program (Windows, the build tree), else
// the installed share folder next to its bin folder.
QString TranslationsFolder();

// Installs the program's catalog and Qt's own for the first language in `locale`'s list (the user's
// whole list, for the system's locale) that has one, replacing those installed before. False when
// English comes first or no language has a catalog: every text then stays English.
bool LoadTranslations(const QLocale& locale, const QString& folder = TranslationsFolder());

// Sends the core's texts (failure reasons, the overwrite question, error messages) through the
// installed catalogs; the command-line program leaves them English for the scripts that read it.
void TranslateCoreTexts();

} // namespace clipvane
