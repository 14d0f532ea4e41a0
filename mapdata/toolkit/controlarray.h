#pragma once

#include "mapdata/toolkit/control.h"

#include <cstdint>
#include <functional>
#include <map>

namespace mapdata {

// Elements of one role addressed by a 16-bit index; further elements are created
// at run time as copies of element 0.
class ControlArray {
public:
    using DropHandler = std::function<void(std::int16_t index, Control &source)>;

    ControlArray(ControlHost &host, QString name);
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    const QString &name() const { return m_name; }

    // The element at index; raises a failure naming the array and index when it does not exist.
    Control &operator()(int index) const;
    bool contains(int index) const;
    int count() const { return int(m_elements.size()); }

    // Adds a design element (used while the window design is built).
    Control &addDesignElement(ControlKind kind, int index);
    // Creates element index from element 0, hidden, in front of the other windowless controls.
    Control &load(int index);

    void setDragDropHandler(DropHandler handler) { m_dragDrop = std::move(handler); }
    void setDragOverHandler(DropHandler handler) { m_dragOver = std::move(handler); }
    const DropHandler &dragDropHandler() const { return m_dragDrop; }
    const DropHandler &dragOverHandler() const { return m_dragOver; }

private:
    ControlHost &m_host;
    QString m_name;
    std::map<int, Control *> m_elements;
    DropHandler m_dragDrop;
    DropHandler m_dragOver;
};

} // namespace mapdata
