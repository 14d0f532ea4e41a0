#pragma once

#include <QCoreApplication>
#include <QString>

#include <exception>

namespace mapdata {

// A failure raised by a window operation or a handler step. Trapping handlers
// report it with its description and carry on with their next step.
class Failure : public std::exception {
public:
    Failure(int number, QString description)
        : m_number(number), m_description(std::move(description)), m_what(m_description.toUtf8()) {}

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    // The description of a failure, in the window's language.
    static QString text(const char *description) {
        return QCoreApplication::translate("ErrorBox", description);
    }

    // The failure numbers the window runtime uses, with their usual descriptions.
    static Failure subscriptOutOfRange() {
        return {9, text(QT_TRANSLATE_NOOP("ErrorBox", "Subscript out of range"))};
    }
    static Failure overflow() { return {6, text(QT_TRANSLATE_NOOP("ErrorBox", "Overflow"))}; }
    static Failure fileNotFound() {
        return {53, text(QT_TRANSLATE_NOOP("ErrorBox", "File not found"))};
    }
    static Failure permissionDenied() {
        return {70, text(QT_TRANSLATE_NOOP("ErrorBox", "Permission denied"))};
    }
    static Failure pathFileAccessError() {
        return {75, text(QT_TRANSLATE_NOOP("ErrorBox", "Path/File access error"))};
    }
    static Failure invalidPicture() {
        return {481, text(QT_TRANSLATE_NOOP("ErrorBox", "Invalid picture"))};
    }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace mapdata
