#include "mapdata/toolkit/controlarray.h"

#include "mapdata/toolkit/failure.h"

#include <QCoreApplication>

#include <limits>

namespace mapdata {

namespace {

constexpr int kControlArrayElementMissing = 340;
constexpr int kObjectAlreadyLoaded = 360;

bool isValidIndex(int index) {
    return index >= 0 && index <= std::numeric_limits<std::int16_t>::max();
}

} // namespace

ControlArray::ControlArray(ControlHost &host, QString name)
    : m_host(host), m_name(std::move(name)) {}

Control &ControlArray::operator()(int index) const {
    if (!isValidIndex(index))
        throw Failure::overflow();
    auto it = m_elements.find(index);
    if (it == m_elements.end())
        throw Failure(
            kControlArrayElementMissing,
            //: An error: a numbered control of the window is missing. %1: the controls' name,
            //: %2: the number (labels(3)); not to translate.
            QCoreApplication::translate("ErrorBox", "Control array element '%1(%2)' doesn't exist")
                .arg(m_name)
                .arg(index));
    return *it->second;
}

bool ControlArray::contains(int index) const {
    return m_elements.count(index) != 0;
}

Control &ControlArray::addDesignElement(ControlKind kind, int index) {
    Control &control = m_host.createControl(kind, m_name, index);
    control.m_array = this;
    m_elements[index] = &control;
    return control;
}

Control &ControlArray::load(int index) {
    if (!isValidIndex(index))
        throw Failure::overflow();
    if (contains(index))
        throw Failure(kObjectAlreadyLoaded,
                      //: An error: a control of the window was made twice.
                      QCoreApplication::translate("ErrorBox", "Object already loaded"));
    const Control &first = (*this)(0);
    Control &control = addDesignElement(first.kind(), index);
    control.copyPropertiesFrom(first);
    control.m_visible = false;
    return control;
}

} // namespace mapdata
