#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/toolkit/focusspot.h"
#include "mapdata/toolkit/formwidget.h"
#include "quiz/zoneplaces.h"

#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;

namespace quiz {

class Form1;

// The quiz window for the keyboard and for assistive technology: a focus spot for every pool
// name (after the buttons in the tab order), the headings and the instruction line, the map,
// and one focus spot for every place on the map (a country, a sea), shown while the placement
// marker stands on it: the arrow keys move the marker, and with it the focus, from place to
// place while a name is held, and Home brings it back to where it started. Screen readers speak a
// focus change, not a changed name, so each step is one. Placing goes through the handlers' own
// judging. A result placed by keys is told with the focus that follows it (as the description of
// what takes the focus); any other result by a notification shown meanwhile.
class KeyboardPlay {
public:
    KeyboardPlay(mapdata::FormWidget &widget, mapdata::QuizWindowDesign &design,
                 QAbstractButton &restart, QWidget &lastBeforeNames);
    ~KeyboardPlay();
    KeyboardPlay(const KeyboardPlay &) = delete;
    KeyboardPlay &operator=(const KeyboardPlay &) = delete;

    void connect(Form1 &form1);

private:
    // Made at the first use, after the load has made the zones, with the places' focus spots.
    const ZonePlaces &places();
    bool keyPressed(int key, QWidget *focus);
    int nameAt(const QWidget *focus) const;
    bool isPlaceSpot(const QWidget *focus) const;
    void pickUp(int item);
    void showMarker(int place, const QString &note);
    void hideMarker();
    // Hides the places' spots; the focus has gone elsewhere first when the keys moved it.
    void hidePlaceSpots(const QWidget *except = nullptr);
    void placeAtMarker();
    void putBack();
    // The focus after a name has left the hand: on that name if it is still in the pool,
    // else on the next one there, else on Restart.
    void focusAfter(int item, const QString &note);
    // Moves the focus, with a note read after the target's name, until the focus leaves it.
    void focusWithNote(QWidget *target, const QString &note);
    void focusChanged(QWidget *from, QWidget *to);
    void heldChanged(mapdata::Control *held);
    void judged(const mapdata::Control &name, bool accepted);
    void notify(const QString &text);

    mapdata::FormWidget &m_widget;
    mapdata::QuizWindowDesign &m_design;
    QAbstractButton &m_restart;
    Form1 *m_form1 = nullptr;
    std::vector<mapdata::FocusSpot *> m_names;
    std::vector<mapdata::FocusSpot *> m_placeSpots;
    mapdata::FocusSpot *m_notice = nullptr;
    std::unique_ptr<ZonePlaces> m_places;
    std::optional<int> m_markerPlace;
    // A placement or put-back by keys is under way: it moves the focus itself, and its result
    // goes with that focus.
    bool m_byKeys = false;
    QString m_keysResult;
    QPointer<QWidget> m_noted;
    QMetaObject::Connection m_heldConnection;
    QMetaObject::Connection m_focusConnection;
};

} // namespace quiz
