#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace shell {

// The context in which the item file's names are translated: the names themselves are the
// source texts, so a name with no translation (an edited item file) is shown as it stands.
extern const char *const kPlaceNameContext;

// What a name from the item file is shown and spoken as in the window's language.
QString shownPlaceName(const QString &name);

// The translation for a user's languages, most wanted first ("es-AR", "pt_PT", "en-US"): the
// first language that has one, by its full name or else by its language alone (any "pt" reads
// Brazilian Portuguese); none when English, the source language, comes first or none has one.
QString chooseTranslation(const QStringList &userLanguages, const QStringList &translations);

// The CODE of "--lang CODE" or "--lang=CODE" among the program's arguments; null if absent or
// empty.
QString languageOption(const QStringList &arguments);

// The translations built into the program ("es", "fr", "nl", "pt_BR"), English's plural forms
// left out.
QStringList builtInTranslations();

// Loads English's plural forms, then the program's and Qt's own texts for the language chosen
// from the override, if there is one, else the desktop's languages. Returns the translation
// loaded, or an empty string for the source texts.
QString installTranslations(QCoreApplication &app, const QString &languageOverride);

} // namespace shell
