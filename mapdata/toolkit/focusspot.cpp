#include "mapdata/toolkit/focusspot.h"

#include "mapdata/toolkit/control.h"
#include "mapdata/toolkit/formwidget.h"

namespace mapdata {

FocusSpot::FocusSpot(FormWidget &form, Control *control, const QString &objectName)
    : QWidget(&form), m_control(control) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    // The form hears how the focus came, to show its mark.
    installEventFilter(&form);
    if (m_control) {
        setGeometry(m_control->rect().toPixels().toRect());
        setVisible(m_control->isVisible());
        connect(&form, &FormWidget::controlVisibilityChanged, this, [this](Control *changed) {
            if (changed == m_control)
                setVisible(m_control->isVisible());
        });
    }
}

void FocusSpot::setSelected(bool selected) {
    if (selected == m_selected)
        return;
    m_selected = selected;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

FocusSink::FocusSink(const QString &text, QWidget *parent, const Control *readsAs)
    : QLineEdit(text, parent), m_readsAs(readsAs) {}

void FocusSpot::setGroup(FocusSpot *group) {
    if (m_group)
        m_group->m_members.removeAll(this);
    m_group = group;
    if (m_group)
        m_group->m_members.append(this);
}

void FocusSpot::paintEvent(QPaintEvent *) {
    // Nothing: the form draws what lies here, whatever style sheet a skin gives.
}

} // namespace mapdata
