// The player's language: which one the game and the companion speak, and the translators that
// make them speak it (their own texts, Qt's dialogs, and the standard-library rooms' texts).
#include "storage/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

#include "model/translate.h"

namespace xs {

namespace {

std::string TranslateForRooms(const char* context, const char* source, int n) {
    return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

// The translators the last call installed, taken out again when the language changes. Each is
// owned by the application object it was installed in and goes with it (the game's first one ends
// before the second begins), so the list only watches them.
QList<QPointer<QTranslator>>& Installed() {
    static QList<QPointer<QTranslator>> installed;
    return installed;
}

QString& Current() {
    static QString current = QStringLiteral("en");
    return current;
}

QString Code(const QString& name) {
    return name.left(2).toLower();
}

}  // namespace

QString ChooseLanguage(const QStringList& wanted) {
    for (const QString& name : wanted) {
        const QString code = Code(name);
        if (code == QLatin1String("en")) return code;
        if (kTranslatedLanguages.contains(code)) return code;
    }
    return QStringLiteral("en");
}

QStringList WantedLanguages() {
    QStringList wanted;
    const QSettings settings(QStringLiteral("crosssums"), QStringLiteral("crosssums"));
    const QString preference = settings.value(QStringLiteral("language")).toString();
    if (!preference.isEmpty()) wanted << preference;
    const QString language = qEnvironmentVariable("LANGUAGE");
    wanted << language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty()) continue;
        // "C" and "POSIX" say nothing about a language; the first set variable decides.
        if (value != QLatin1String("C") && value != QLatin1String("POSIX")) wanted << value;
        break;
    }
    return wanted;
}

QString CurrentLanguage() {
    return Current();
}

QStringList TranslationFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(bin + QStringLiteral("/../share/crosssums/translations")),
            QDir::cleanPath(bin + QStringLiteral("/../../translations"))};
}

bool InstallTranslations(QCoreApplication& app, const QString& language) {
    for (const QPointer<QTranslator>& old : Installed()) {
        if (old.isNull()) continue;
        QCoreApplication::removeTranslator(old);
        delete old.data();
    }
    Installed().clear();
    Current() = kTranslatedLanguages.contains(language) ? language : QStringLiteral("en");
    if (language == QLatin1String("en")) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::system().territory()));
        return true;
    }
    QLocale::setDefault(QLocale(QLocale(language).language(), QLocale::system().territory()));
    // Owned by the application, so that they go with it.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    Installed() << qt;
    auto* own = new QTranslator(&app);
    Installed() << own;
    bool found = false;
    for (const QString& folder : TranslationFolders()) {
        if (own->load(QStringLiteral("crosssums_") + language, folder)) {
            found = QCoreApplication::installTranslator(own);
            break;
        }
    }
    SetTranslator(&TranslateForRooms);
    return found;
}

}  // namespace xs
