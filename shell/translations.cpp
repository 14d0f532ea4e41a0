#include "shell/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace shell {

const char *const kPlaceNameContext = "PlaceName";

namespace {

// Where the build puts the compiled translations: the program's and Qt's own.
const char *const kTranslationsFolder = ":/i18n";
const char *const kProgramCatalog = "tessaline_";
const char *const kQtCatalog = "qtbase_";
const char *const kCatalogSuffix = ".qm";
const char *const kSourceLanguage = "en";
const char *const kLanguageOption = "--lang";

QString languageOf(const QString &name) {
    return name.section(QLatin1Char('_'), 0, 0);
}

bool load(QCoreApplication &app, const char *catalog, const QString &translation) {
    auto *translator = new QTranslator(&app);
    if (translator->load(QLatin1String(catalog) + translation, QLatin1String(kTranslationsFolder),
                         QString(), QLatin1String(kCatalogSuffix)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString shownPlaceName(const QString &name) {
    return QCoreApplication::translate(kPlaceNameContext, name.toUtf8().constData());
}

QString chooseTranslation(const QStringList &userLanguages, const QStringList &translations) {
    for (QString wanted : userLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString &translation : translations)
            if (translation.compare(wanted, Qt::CaseInsensitive) == 0)
                return translation;
        const QString language = languageOf(wanted).toLower();
        if (language == QLatin1String(kSourceLanguage))
            return QString();
        for (const QString &translation : translations)
            if (languageOf(translation).toLower() == language)
                return translation;
    }
    return QString();
}

QString languageOption(const QStringList &arguments) {
    const QString option = QLatin1String(kLanguageOption);
    const QString withValue = option + QLatin1Char('=');
    QString code;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).startsWith(withValue))
            code = arguments.at(i).mid(withValue.size());
        else if (arguments.at(i) == option && i + 1 < arguments.size())
            code = arguments.at(i + 1);
        else
            continue;
        break;
    }
    // "--lang=" with nothing (the installer's shortcut when no language was given) leaves the
    // choice to the desktop.
    return code.isEmpty() ? QString() : code;
}

QStringList builtInTranslations() {
    const QString prefix = QLatin1String(kProgramCatalog);
    const QString suffix = QLatin1String(kCatalogSuffix);
    QStringList names;
    const QStringList files = QDir(QLatin1String(kTranslationsFolder))
                                  .entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files);
    for (const QString &file : files) {
        const QString name = file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
        if (name != QLatin1String(kSourceLanguage))
            names << name;
    }
    return names;
}

QString installTranslations(QCoreApplication &app, const QString &languageOverride) {
    // The source language's own catalog, its plural forms ("1 further line was"), under any
    // other: English reads right whatever the desktop's language.
    load(app, kProgramCatalog, QLatin1String(kSourceLanguage));
    const QStringList wanted =
        languageOverride.isNull() ? QLocale::system().uiLanguages() : QStringList{languageOverride};
    const QString translation = chooseTranslation(wanted, builtInTranslations());
    if (translation.isEmpty() || !load(app, kProgramCatalog, translation))
        return QString();
    // Qt's own texts (the message box's button); without them the program's still hold.
    load(app, kQtCatalog, translation);
    return translation;
}

} // namespace shell
