#pragma once

#include "mapdata/toolkit/failure.h"
#include "mapdata/toolkit/messagebox.h"

#include <QString>

#include <exception>
#include <new>

namespace shell {

extern const char *const kSupportAddress;
extern const char *const kErrorBoxTitle;

// Where a handler is, for the maker: "Tessaline2017/04/05.Form1.<handler>".
QString locationText(const QString &handler);
QString outOfMemoryText();
// The description, then "in <location> at line <line>", then the request to email it.
QString errorMessage(const QString &description, const QString &location, int line);
void ShowErrorBox(mapdata::MessageBoxes &boxes, const QString &location, int line,
                  const QString &description);

// The trap of a handler: each step runs under its line number; a failure is shown
// in the error box and the handler goes on with its next step.
class ErrorTrap {
public:
    ErrorTrap(mapdata::MessageBoxes &boxes, const QString &handler)
        : m_boxes(boxes), m_location(locationText(handler)) {}

    // Runs one step; returns false when it failed (and was reported).
    template <typename Action> bool step(int line, Action &&action) {
        m_line = line;
        try {
            action();
            return true;
        } catch (const mapdata::Failure &failure) {
            report(failure.description());
        } catch (const std::bad_alloc &) {
            report(outOfMemoryText());
        } catch (const std::exception &error) {
            report(QString::fromLocal8Bit(error.what()));
        }
        return false;
    }

private:
    void report(const QString &description);

    mapdata::MessageBoxes &m_boxes;
    QString m_location;
    int m_line = 0;
};

} // namespace shell
