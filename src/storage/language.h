// The player's language: which one the game and the companion speak, and the translators that
// make them speak it (their own texts, Qt's dialogs, and the standard-library rooms' texts).
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace xs {

// The languages the program speaks besides English, which needs no translation.
inline const QStringList kTranslatedLanguages = {QStringLiteral("de"), QStringLiteral("fr")};

// The first of the wanted languages ("fr_CA.UTF-8", "de-DE", "en") that the program speaks, as its
// two-letter code; "en" when none is.
QString ChooseLanguage(const QStringList& wanted);

// The languages the player asked for, first choice first: the "language" preference (QSettings of
// the organisation "crosssums", not the data file), then LANGUAGE (colon-separated), then the
// locale's (LC_ALL, LC_MESSAGES, LANG).
QStringList WantedLanguages();

// Installs the translators for language ("en": none) into app, in place of those an earlier call
// installed, and hands the standard-library
// rooms a translator that asks them. Sets the default locale to the language with the system's
// territory, so that numbers and dates follow it. Returns false when the program's own
// translation file was not found.
bool InstallTranslations(QCoreApplication& app, const QString& language);

// The language InstallTranslations last installed: "de", "fr", or "en" (also before any call).
QString CurrentLanguage();

// Where the program's translation files are looked for: the installed share folder beside the
// program, then the build tree's translations folder.
QStringList TranslationFolders();

}  // namespace xs
