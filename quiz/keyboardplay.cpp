#include "quiz/keyboardplay.h"

#include "quiz/form1.h"
#include "quiz/spokentext.h"

#include <QAbstractButton>
#include <QAccessible>

namespace quiz {

using mapdata::Control;
using mapdata::FocusSpot;

namespace {

// Assistive technology finds the status element, but nobody sees it: it lies beyond the
// window's right edge, as the focus sink does.
constexpr mapdata::TwipsRect kResultStatusRect{15480, 2400, 735, 255};

QRect pixelBounds(const QRegion &twips) {
    const QRect r = twips.boundingRect();
    return mapdata::TwipsRect{r.x(), r.y(), r.width(), r.height()}.toPixels().toAlignedRect();
}

} // namespace

KeyboardPlay::KeyboardPlay(mapdata::FormWidget &widget, mapdata::QuizWindowDesign &design,
                           QAbstractButton &restart, QWidget &lastBeforeNames)
    : m_widget(widget), m_design(design), m_restart(restart) {
    QWidget *previous = &lastBeforeNames;
    for (int i = 0; i < design.labels.count(); ++i) {
        auto *spot = new FocusSpot(widget, &design.labels(i), QStringLiteral("labels(%1)").arg(i));
        spot->setAccessibleRole(QAccessible::ListItem);
        spot->setMovable(true);
        spot->setActions({{spoken(kPickUpAction), [this, i] { pickUp(i); }}});
        QWidget::setTabOrder(previous, spot);
        previous = spot;
        m_names.push_back(spot);
    }

    m_map = new FocusSpot(widget, nullptr, QStringLiteral("Image1"));
    m_map->setFocusPolicy(Qt::NoFocus);
    m_map->setAccessibleRole(QAccessible::Graphic);
    m_map->setAccessibleName(spoken(kMapName));
    m_map->setAccessibleDescription(spoken(kMapDescription));
    const mapdata::TwipsRect map = design.Image1->rect();
    m_map->setGeometry(map.toPixels().toRect().intersected(widget.rect()));
    m_map->lower();

    m_marker = new FocusSpot(widget, nullptr, QStringLiteral("PlacementMarker"));
    m_marker->setAccessibleRole(QAccessible::ListItem);
    m_marker->hide();
    QWidget::setTabOrder(previous, m_marker);

    m_status = new FocusSpot(widget, nullptr, QStringLiteral("ResultStatus"));
    m_status->setFocusPolicy(Qt::NoFocus);
    m_status->setAccessibleRole(QAccessible::StatusBar);
    m_status->setAccessibleDescription(spoken(kResultStatusDescription));
    m_status->setGeometry(kResultStatusRect.toPixels().toRect());

    widget.setKeyHandler([this](int key, QWidget *focus) { return keyPressed(key, focus); });
    m_heldConnection = QObject::connect(&widget, &mapdata::FormWidget::heldChanged, &widget,
                                        [this](Control *held) { heldChanged(held); });
}

KeyboardPlay::~KeyboardPlay() {
    QObject::disconnect(m_heldConnection);
    m_widget.setKeyHandler(nullptr);
}

void KeyboardPlay::connect(Form1 &form1) {
    m_form1 = &form1;
    form1.setJudgedHandler([this](const Control &name, bool accepted) {
        announce(resultText(accepted ? DropResult::Placed : DropResult::NotHere, name.caption()));
    });
}

const ZonePlaces &KeyboardPlay::places() {
    if (!m_places)
        m_places = std::make_unique<ZonePlaces>(m_design);
    return *m_places;
}

int KeyboardPlay::nameAt(const QWidget *focus) const {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == focus)
            return int(i);
    return -1;
}

bool KeyboardPlay::keyPressed(int key, QWidget *focus) {
    if (!m_form1)
        return false;
    const int item = nameAt(focus);
    const bool holding = m_form1->heldName() != nullptr;
    switch (key) {
    case Qt::Key_Escape:
        if (!holding)
            return false;
        putBack();
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QAbstractButton *>(focus)) {
            // Space is the button's own key; Enter clicks it too.
            button->click();
            return true;
        }
        if (focus == m_marker && holding && m_markerZone) {
            placeAtMarker();
            return true;
        }
        if (item >= 0) {
            if (m_form1->heldName() == &m_design.labels(item))
                putBack();
            else
                pickUp(item);
            return true;
        }
        return false;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!holding)
            return false;
        if (!m_markerZone) {
            showMarker(places().startZone());
            return true;
        }
        const Direction direction = key == Qt::Key_Left    ? Direction::Left
                                    : key == Qt::Key_Right ? Direction::Right
                                    : key == Qt::Key_Up    ? Direction::Up
                                                           : Direction::Down;
        showMarker(places().next(*m_markerZone, direction));
        return true;
    }
    default: return false;
    }
}

void KeyboardPlay::pickUp(int item) {
    if (!m_form1)
        return;
    m_form1->pickUp(std::int16_t(item));
    if (m_form1->heldName() != &m_design.labels(item))
        return;
    showMarker(places().startZone());
}

void KeyboardPlay::showMarker(int zone) {
    m_markerZone = zone;
    m_design.form.setMarkedRegion(places().frontPart(zone));
    m_marker->setGeometry(pixelBounds(places().frontPart(zone)));
    m_marker->setAccessibleName(markerText(zone, places().count()));
    m_marker->show();
    m_marker->setFocus(Qt::OtherFocusReason);
}

void KeyboardPlay::hideMarker() {
    m_markerZone.reset();
    m_design.form.setMarkedRegion({});
    m_marker->hide();
}

void KeyboardPlay::placeAtMarker() {
    Control *name = m_form1->heldName();
    const int zone = *m_markerZone;
    const int item = name->index();
    // Gone before the judging: its message boxes take the focus.
    hideMarker();
    m_form1->placeHeldAt(places().placePoint(zone));
    focusAfter(item);
}

void KeyboardPlay::putBack() {
    Control *name = m_form1->heldName();
    const int item = name ? name->index() : -1;
    m_form1->putBack();
    if (item >= 0)
        focusAfter(item);
}

void KeyboardPlay::focusAfter(int item) {
    const int count = int(m_names.size());
    for (int step = 0; step < count; ++step) {
        const int i = (item + step) % count;
        if (m_design.labels(i).isVisible()) {
            m_names[std::size_t(i)]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    m_restart.setFocus(Qt::OtherFocusReason);
}

void KeyboardPlay::heldChanged(Control *held) {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        m_names[i]->setSelected(held == &m_design.labels(int(i)));
    // Put down by any means (a click, Restart, a completed map): the marker goes with it.
    if (!held && m_markerZone)
        hideMarker();
}

void KeyboardPlay::announce(const QString &text) {
    // Set even when unchanged, so that the same result twice is told twice.
    m_status->setAccessibleName(text);
    // Windows reads a text value change on any element as a notification to speak.
    QAccessibleValueChangeEvent event(m_status, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace quiz
