#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace mapdata {

class Control;
class FormWidget;

// A windowless control cannot take the keyboard focus nor be seen by assistive technology.
// A focus spot stands in for one (or for any spot of the surface): a child widget over it
// that draws nothing and lets every mouse event through to the form, but sits in the tab
// order, takes key presses (it passes them to the form) and answers accessibility queries
// with the role, name and states given to it.
class FocusSpot : public QWidget {
    Q_OBJECT
public:
    // With a control, the spot covers it and is shown and hidden with it.
    FocusSpot(FormWidget &form, Control *control, const QString &objectName);

    Control *control() const { return m_control; }

    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    // Can be picked up and moved elsewhere.
    bool isMovable() const { return m_movable; }
    void setMovable(bool movable) { m_movable = movable; }
    // The "selected" state: for a name, that it is held.
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    // Changes the accessible name and tells assistive technology.
    void setSpokenName(const QString &name);

    // Actions that assistive technology may run on the spot, by name.
    struct Action {
        QString name;
        std::function<void()> run;
    };
    void setActions(QList<Action> actions) { m_actions = std::move(actions); }
    const QList<Action> &actions() const { return m_actions; }

    // The accessibility factory that gives focus spots their own interface; installed once.
    static void installAccessibleFactory();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Control *m_control;
    QAccessible::Role m_role = QAccessible::Client;
    bool m_movable = false;
    bool m_selected = false;
    QList<Action> m_actions;
};

} // namespace mapdata
