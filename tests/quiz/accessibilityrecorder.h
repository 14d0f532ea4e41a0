#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

// What assistive technology hears, recorded by an accessibility bridge built into the test
// program: Qt hands every accessibility event to the bridges it finds, screen reader or not.
namespace a11y {

struct HeardEvent {
    QAccessible::Event type;
    QString objectName;
    QString name;        // the object's accessible name when the event came
    QString description; // and its description then
    QString value;       // for a value change: the value it carried
};

std::vector<HeardEvent> &heard();

} // namespace a11y
