#pragma once

#include "shell/translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace fakes {

// Every language the window can be shown in: English, the source, and each built-in translation.
inline QStringList windowLanguages() {
    return QStringList{QStringLiteral("en")} + shell::builtInTranslations();
}

// The window's language for as long as it lives, as the program chooses it at start from
// --lang; back to the source texts afterwards. Make it before the window.
class WindowLanguage {
public:
    explicit WindowLanguage(const char *code) : m_before(translators()) {
        m_loaded =
            shell::installTranslations(*QCoreApplication::instance(), QString::fromLatin1(code));
    }
    ~WindowLanguage() {
        // A translator removes itself from the application when deleted; the ones from before
        // (English's plural forms) stay.
        for (QTranslator *translator : translators())
            if (!m_before.contains(translator))
                delete translator;
    }
    WindowLanguage(const WindowLanguage &) = delete;
    WindowLanguage &operator=(const WindowLanguage &) = delete;

    const QString &loaded() const { return m_loaded; }

private:
    static QList<QTranslator *> translators() {
        return QCoreApplication::instance()->findChildren<QTranslator *>(
            QString(), Qt::FindDirectChildrenOnly);
    }

    QList<QTranslator *> m_before;
    QString m_loaded;
};

} // namespace fakes
