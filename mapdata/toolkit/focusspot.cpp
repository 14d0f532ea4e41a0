#include "mapdata/toolkit/focusspot.h"

#include "mapdata/toolkit/control.h"
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

QAccessibleInterface *focusSpotFactory(const QString &, QObject *object) {
    if (auto *spot = qobject_cast<FocusSpot *>(object))
        return new FocusSpotAccessible(spot);
    if (auto *sink = qobject_cast<FocusSink *>(object))
        return new FocusSinkAccessible(sink);
    // The quiz window is a frame with a title, not a filler.
    if (auto *form = qobject_cast<FormWidget *>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

FocusSpot::FocusSpot(FormWidget &form, Control *control, const QString &objectName)
    : QWidget(&form), m_control(control) {
    installAccessibleFactory();
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
    : QLineEdit(text, parent), m_readsAs(readsAs) {
    FocusSpot::installAccessibleFactory();
}

void FocusSpot::paintEvent(QPaintEvent *) {
    // Nothing: the form draws what lies here, whatever style sheet a skin gives.
}

void FocusSpot::installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&focusSpotFactory);
        return true;
    }();
    (void)installed;
}

} // namespace mapdata
