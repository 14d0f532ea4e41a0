#include "quiz/keyboardplay.h"

#include "quiz/form1.h"
#include "quiz/spokentext.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>

namespace quiz {

using mapdata::Control;
using mapdata::FocusSpot;

namespace {

// Assistive technology finds the result notice, but nobody sees it: it lies beyond the
// window's right edge, as the focus sink does.
constexpr mapdata::TwipsRect kResultNoticeRect{15480, 2400, 735, 255};

QRect pixelBounds(const QRegion &twips) {
    const QRect r = twips.boundingRect();
    return mapdata::TwipsRect{r.x(), r.y(), r.width(), r.height()}.toPixels().toAlignedRect();
}

// Read, never focused: the headings and the instruction line.
FocusSpot *addReadOnlySpot(mapdata::FormWidget &widget, Control *control, QAccessible::Role role) {
    if (!control)
        return nullptr;
    auto *spot = new FocusSpot(widget, control, control->name());
    spot->setFocusPolicy(Qt::NoFocus);
    spot->setAccessibleRole(role);
    return spot;
}

} // namespace

KeyboardPlay::KeyboardPlay(mapdata::FormWidget &widget, mapdata::QuizWindowDesign &design,
                           QAbstractButton &restart, QWidget &lastBeforeNames)
    : m_widget(widget), m_design(design), m_restart(restart) {
    addReadOnlySpot(widget, design.Label1, QAccessible::Heading);
    addReadOnlySpot(widget, design.Label2, QAccessible::StaticText);
    // The names are found in a list under their heading, named by it.
    const std::pair<mapdata::PoolHeading, Control *> headings[] = {
        {mapdata::PoolHeading::Countries, design.Label3},
        {mapdata::PoolHeading::Capitals, design.Label4},
        {mapdata::PoolHeading::SeasAndOceans, design.Label5},
    };
    std::vector<std::pair<mapdata::PoolHeading, FocusSpot *>> lists;
    for (const auto &[heading, label] : headings)
        lists.emplace_back(heading, addReadOnlySpot(widget, label, QAccessible::List));

    QWidget *previous = &lastBeforeNames;
    for (int i = 0; i < design.labels.count(); ++i) {
        auto *spot = new FocusSpot(widget, &design.labels(i), QStringLiteral("labels(%1)").arg(i));
        spot->setAccessibleRole(QAccessible::ListItem);
        spot->setMovable(true);
        spot->setActions({{QString::fromLatin1(kPickUpAction), [this, i] { pickUp(i); }}});
        if (std::size_t(i) < mapdata::kItemTable.size())
            for (const auto &[heading, list] : lists)
                if (list && heading == mapdata::kItemTable[std::size_t(i)].heading)
                    spot->setGroup(list);
        QWidget::setTabOrder(previous, spot);
        previous = spot;
        m_names.push_back(spot);
    }

    auto *map = new FocusSpot(widget, nullptr, QStringLiteral("Image1"));
    map->setFocusPolicy(Qt::NoFocus);
    map->setAccessibleRole(QAccessible::Graphic);
    map->setAccessibleName(mapName());
    map->setAccessibleDescription(mapDescription());
    const mapdata::TwipsRect mapRect = design.Image1->rect();
    map->setGeometry(mapRect.toPixels().toRect().intersected(widget.rect()));
    map->lower();

    m_notice = new FocusSpot(widget, nullptr, QStringLiteral("ResultNotice"));
    m_notice->setFocusPolicy(Qt::NoFocus);
    m_notice->setAccessibleRole(QAccessible::Notification);
    m_notice->setGeometry(kResultNoticeRect.toPixels().toRect());
    m_notice->hide();

    widget.setKeyHandler([this](int key, QWidget *focus) { return keyPressed(key, focus); });
    m_heldConnection = QObject::connect(&widget, &mapdata::FormWidget::heldChanged, &widget,
                                        [this](Control *held) { heldChanged(held); });
    m_focusConnection =
        QObject::connect(qApp, &QApplication::focusChanged, &widget,
                         [this](QWidget *from, QWidget *to) { focusChanged(from, to); });
    // The button keeps the focus, and the board changes out of sight: told by a notification.
    QObject::connect(&restart, &QAbstractButton::clicked, &widget,
                     [this] { notify(restartText()); });
}

KeyboardPlay::~KeyboardPlay() {
    QObject::disconnect(m_heldConnection);
    QObject::disconnect(m_focusConnection);
    m_widget.setKeyHandler(nullptr);
}

void KeyboardPlay::connect(Form1 &form1) {
    m_form1 = &form1;
    form1.setJudgedHandler([this](const Control &name, bool accepted) { judged(name, accepted); });
}

const ZonePlaces &KeyboardPlay::places() {
    if (m_places)
        return *m_places;
    m_places = std::make_unique<ZonePlaces>(m_design);
    // After the names in the tab order: Tab from the marker goes on round to the focus sink.
    QWidget *previous = m_names.empty() ? nullptr : m_names.back();
    for (int p = 0; p < m_places->count(); ++p) {
        auto *spot = new FocusSpot(m_widget, nullptr, QStringLiteral("places(%1)").arg(p));
        spot->setAccessibleRole(QAccessible::ListItem);
        spot->setGeometry(pixelBounds(m_places->frontPart(p)));
        spot->hide();
        if (previous)
            QWidget::setTabOrder(previous, spot);
        previous = spot;
        m_placeSpots.push_back(spot);
    }
    return *m_places;
}

int KeyboardPlay::nameAt(const QWidget *focus) const {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == focus)
            return int(i);
    return -1;
}

bool KeyboardPlay::isPlaceSpot(const QWidget *focus) const {
    return std::find(m_placeSpots.begin(), m_placeSpots.end(), focus) != m_placeSpots.end();
}

bool KeyboardPlay::keyPressed(int key, QWidget *focus) {
    if (!m_form1)
        return false;
    const int item = nameAt(focus);
    const Control *held = m_form1->heldName();
    switch (key) {
    case Qt::Key_Escape:
        if (!held)
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
        if (isPlaceSpot(focus) && held && m_markerPlace) {
            placeAtMarker();
            return true;
        }
        if (item >= 0) {
            if (held == &m_design.labels(item))
                putBack();
            else
                pickUp(item);
            return true;
        }
        return false;
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!held)
            return false;
        if (!m_markerPlace) {
            showMarker(places().startPlace(), pickUpNote(held->caption()));
            return true;
        }
        if (key == Qt::Key_Home) {
            showMarker(places().startPlace(), QString());
            return true;
        }
        const Direction direction = key == Qt::Key_Left    ? Direction::Left
                                    : key == Qt::Key_Right ? Direction::Right
                                    : key == Qt::Key_Up    ? Direction::Up
                                                           : Direction::Down;
        showMarker(places().next(*m_markerPlace, direction), QString());
        return true;
    }
    default: return false;
    }
}

void KeyboardPlay::pickUp(int item) {
    if (!m_form1)
        return;
    m_form1->pickUp(std::int16_t(item));
    const Control *held = m_form1->heldName();
    if (held != &m_design.labels(item))
        return;
    showMarker(places().startPlace(), pickUpNote(held->caption()));
}

void KeyboardPlay::showMarker(int place, const QString &note) {
    places();
    m_markerPlace = place;
    m_design.form.setMarkedRegion(places().frontPart(place));
    FocusSpot *spot = m_placeSpots.at(std::size_t(place));
    // Told afresh at each step: the names placed around it change as the game goes on.
    spot->setAccessibleName(placeText(places().whereabouts(place), places().placedAround(place)));
    spot->show();
    focusWithNote(spot, note);
    hidePlaceSpots(spot);
}

void KeyboardPlay::hidePlaceSpots(const QWidget *except) {
    for (FocusSpot *spot : m_placeSpots)
        if (spot != except && !spot->isHidden())
            spot->hide();
}

void KeyboardPlay::hideMarker() {
    m_markerPlace.reset();
    m_design.form.setMarkedRegion({});
    // Keys that put the name down move the focus on before the marker's spot goes: hidden
    // first, the spot would hand the focus to the next widget, and a screen reader would
    // speak that one on the way.
    if (!m_byKeys)
        hidePlaceSpots();
}

void KeyboardPlay::placeAtMarker() {
    Control *name = m_form1->heldName();
    const int place = *m_markerPlace;
    const int item = name->index();
    m_byKeys = true;
    m_keysResult.clear();
    m_form1->placeHeldAt(places().placePoint(place));
    m_byKeys = false;
    focusAfter(item, m_keysResult);
}

void KeyboardPlay::putBack() {
    Control *name = m_form1->heldName();
    const int item = name ? name->index() : -1;
    m_byKeys = true;
    m_form1->putBack();
    m_byKeys = false;
    if (item >= 0)
        focusAfter(item, QString());
    hidePlaceSpots();
}

void KeyboardPlay::focusAfter(int item, const QString &note) {
    const int count = int(m_names.size());
    QWidget *target = &m_restart;
    for (int step = 0; step < count; ++step) {
        const int i = (item + step) % count;
        if (m_design.labels(i).isVisible()) {
            target = m_names[std::size_t(i)];
            break;
        }
    }
    focusWithNote(target, note);
    hidePlaceSpots();
}

void KeyboardPlay::focusWithNote(QWidget *target, const QString &note) {
    if (m_noted && m_noted != target)
        m_noted->setAccessibleDescription(QString());
    m_noted = note.isEmpty() ? nullptr : target;
    // Set even when unchanged, and before the focus comes: the focus is what is spoken.
    target->setAccessibleDescription(note);
    target->setFocus(Qt::OtherFocusReason);
}

void KeyboardPlay::focusChanged(QWidget *from, QWidget *to) {
    // A note is told once, with the focus it came with.
    if (from && from == m_noted && to != from) {
        m_noted->setAccessibleDescription(QString());
        m_noted = nullptr;
    }
}

void KeyboardPlay::heldChanged(Control *held) {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        m_names[i]->setSelected(held == &m_design.labels(int(i)));
    // Put down by any means (a click, Restart, a completed map): the marker goes with it.
    if (!held && m_markerPlace)
        hideMarker();
}

void KeyboardPlay::judged(const Control &name, bool accepted) {
    const QString text =
        resultText(accepted ? DropResult::Placed : DropResult::NotHere, name.caption());
    if (m_byKeys)
        m_keysResult = text;
    else
        notify(text);
#ifdef Q_OS_WIN
    // Windows speaks a text value change on any element as a notification (Qt raises one);
    // AT-SPI has no such event and Qt warns about it there.
    QAccessibleValueChangeEvent event(m_notice, text);
    QAccessible::updateAccessibility(&event);
#endif
}

void KeyboardPlay::notify(const QString &text) {
    // A notification is spoken when it is shown; hidden first, the same result twice is told
    // twice.
    m_notice->hide();
    m_notice->setAccessibleName(text);
    m_notice->show();
}

} // namespace quiz
