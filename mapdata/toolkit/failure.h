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

    // The failure numbers the window runtime uses, with their usual descriptions. The error
    // box shows a description on its first line.
    static Failure subscriptOutOfRange() {
        //: An error: a list was asked for an element past its end.
        return {9, text(QT_TRANSLATE_NOOP("ErrorBox", "Subscript out of range"))};
    }
    static Failure overflow() {
        //: An error: a number grew past what it can hold.
        return {6, text(QT_TRANSLATE_NOOP("ErrorBox", "Overflow"))};
    }
    static Failure fileNotFound() {
        //: An error: a file the program needs (the item list, items.txt) is not beside it.
        return {53, text(QT_TRANSLATE_NOOP("ErrorBox", "File not found"))};
    }
    static Failure permissionDenied() {
        //: An error: the program may not read a file of its own.
        return {70, text(QT_TRANSLATE_NOOP("ErrorBox", "Permission denied"))};
    }
    static Failure pathFileAccessError() {
        //: An error: a file of the program's cannot be read (a folder of that name, say).
        return {75, text(QT_TRANSLATE_NOOP("ErrorBox", "Path/File access error"))};
    }
    static Failure invalidPicture() {
        //: An error: a picture of the program's cannot be decoded.
        return {481, text(QT_TRANSLATE_NOOP("ErrorBox", "Invalid picture"))};
    }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace mapdata
