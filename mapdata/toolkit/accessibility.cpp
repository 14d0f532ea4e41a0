#include "mapdata/toolkit/accessibility.h"

#include "mapdata/toolkit/control.h"
#include "mapdata/toolkit/focusspot.h"
#include "mapdata/toolkit/formwidget.h"

#include <QAccessibleWidget>

namespace mapdata {

namespace {

class FocusSpotAccessible : public QAccessibleWidget {
public:
    explicit FocusSpotAccessible(FocusSpot *spot)
        : QAccessibleWidget(spot, spot->accessibleRole()) {}

    FocusSpot *spot() const { return static_cast<FocusSpot *>(widget()); }

    QAccessible::Role role() const override { return spot()->accessibleRole(); }

    // A spot over a control without a name of its own reads the control's caption.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && spot()->accessibleName().isEmpty() && spot()->control())
            return spot()->control()->caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.movable = spot()->isMovable();
        s.selectable = spot()->isMovable();
        s.selected = spot()->isSelected();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        for (const FocusSpot::Action &action : spot()->actions())
            names << action.name;
        return names;
    }

    void doAction(const QString &actionName) override {
        // Copied: an action may change the spot's actions.
        const QList<FocusSpot::Action> actions = spot()->actions();
        for (const FocusSpot::Action &action : actions)
            if (action.name == actionName && action.run) {
                action.run();
                return;
            }
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    QAccessibleInterface *parent() const override {
        if (FocusSpot *group = spot()->group())
            return QAccessible::queryAccessibleInterface(group);
        return QAccessibleWidget::parent();
    }
    // A group holds its shown members: a list tells how many names are left in it.
    int childCount() const override { return int(shownMembers().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<FocusSpot *> members = shownMembers();
        if (index < 0 || index >= members.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(members.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child)
            return -1;
        return int(shownMembers().indexOf(qobject_cast<FocusSpot *>(child->object())));
    }

private:
    QList<FocusSpot *> shownMembers() const {
        QList<FocusSpot *> shown;
        for (FocusSpot *member : spot()->members())
            if (!member->isHidden())
                shown << member;
        return shown;
    }
};

// The form as a frame; a spot in a group is found in its group, not here.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(FormWidget *form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> list = children();
        if (index < 0 || index >= list.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(list.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(children().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> children() const {
        QList<QWidget *> list;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (!child || child->isWindow())
                continue;
            if (auto *spot = qobject_cast<FocusSpot *>(child); spot && spot->group())
                continue;
            list << child;
        }
        return list;
    }
};

class FocusSinkAccessible : public QAccessibleWidget {
public:
    explicit FocusSinkAccessible(FocusSink *sink)
        : QAccessibleWidget(sink, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto *sink = static_cast<const FocusSink *>(widget());
        if (t == QAccessible::Name && sink->accessibleName().isEmpty())
            return sink->readsAs() ? sink->readsAs()->caption() : sink->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *toolkitFactory(const QString &, QObject *object) {
    if (auto *spot = qobject_cast<FocusSpot *>(object))
        return new FocusSpotAccessible(spot);
    if (auto *sink = qobject_cast<FocusSink *>(object))
        return new FocusSinkAccessible(sink);
    // The quiz window is a frame with a title, not a filler.
    if (auto *form = qobject_cast<FormWidget *>(object))
        return new FormAccessible(form);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&toolkitFactory);
        return true;
    }();
    (void)installed;
}

} // namespace mapdata
