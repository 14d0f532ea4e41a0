#pragma once

#include "mapdata/toolkit/formwidget.h"

#include <QAccessible>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace mapdata {

// A windowless control cannot take the keyboard focus nor be seen by assistive technology.
// A focus spot stands in for one (or for any spot of the surface): a child widget over it
// that draws nothing and lets every mouse event through to the form, but sits in the tab
// order, takes key presses (it passes them to the form) and answers accessibility queries
// with the role, name and states given to it (through installAccessibility()).
class FocusSpot : public QWidget, public ControlStandIn {
    Q_OBJECT
public:
    // With a control, the spot covers it and is shown and hidden with it.
    FocusSpot(FormWidget &form, Control *control, const QString &objectName);

    Control *control() const override { return m_control; }

    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    // Can be picked up and moved elsewhere.
    bool isMovable() const { return m_movable; }
    void setMovable(bool movable) { m_movable = movable; }
    // The "selected" state: for a name, that it is held.
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    // Assistive technology finds the spot inside a group (another spot, a list under its
    // heading) instead of directly in the form; the widgets stay the form's children.
    FocusSpot *group() const { return m_group; }
    void setGroup(FocusSpot *group);
    const QList<FocusSpot *> &members() const { return m_members; }

    // Actions that assistive technology may run on the spot, by name.
    struct Action {
        QString name;
        std::function<void()> run;
    };
    void setActions(QList<Action> actions) { m_actions = std::move(actions); }
    const QList<Action> &actions() const { return m_actions; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Control *m_control;
    QAccessible::Role m_role = QAccessible::Client;
    bool m_movable = false;
    bool m_selected = false;
    QList<Action> m_actions;
    FocusSpot *m_group = nullptr;
    QList<FocusSpot *> m_members;
};

// A text box that only holds the keyboard focus where nobody sees it. Assistive technology
// reads it as a line of text, the caption of the control given (without one, its own text),
// not as an empty field to type in.
class FocusSink : public QLineEdit {
    Q_OBJECT
public:
    FocusSink(const QString &text, QWidget *parent, const Control *readsAs);

    const Control *readsAs() const { return m_readsAs; }

private:
    const Control *m_readsAs;
};

} // namespace mapdata
