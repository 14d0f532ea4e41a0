#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/toolkit/focusspot.h"
#include "mapdata/toolkit/formwidget.h"
#include "quiz/zoneplaces.h"

#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;

namespace quiz {

class Form1;

// The quiz window for the keyboard and for assistive technology: a focus spot for every pool
// name (after the buttons in the tab order), the map with a placement marker that the arrow
// keys move from zone to zone while a name is held, and a status element that tells each
// drop's result. Placing goes through the handlers' own judging.
class KeyboardPlay {
public:
    KeyboardPlay(mapdata::FormWidget &widget, mapdata::QuizWindowDesign &design,
                 QAbstractButton &restart, QWidget &lastBeforeNames);
    ~KeyboardPlay();
    KeyboardPlay(const KeyboardPlay &) = delete;
    KeyboardPlay &operator=(const KeyboardPlay &) = delete;

    void connect(Form1 &form1);

    mapdata::FocusSpot &nameSpot(int item) { return *m_names.at(std::size_t(item)); }
    mapdata::FocusSpot &mapSpot() { return *m_map; }
    mapdata::FocusSpot &marker() { return *m_marker; }
    mapdata::FocusSpot &resultStatus() { return *m_status; }
    // The zone the marker stands on, while it is shown.
    std::optional<int> markerZone() const { return m_markerZone; }
    // Made at the first use, after the load has made the zones.
    const ZonePlaces &places();

private:
    bool keyPressed(int key, QWidget *focus);
    int nameAt(const QWidget *focus) const;
    void pickUp(int item);
    void showMarker(int zone);
    void hideMarker();
    void placeAtMarker();
    void putBack();
    // The focus after a name has left the hand: on that name if it is still in the pool,
    // else on the next one there, else on Restart.
    void focusAfter(int item);
    void heldChanged(mapdata::Control *held);
    void announce(const QString &text);

    mapdata::FormWidget &m_widget;
    mapdata::QuizWindowDesign &m_design;
    QAbstractButton &m_restart;
    Form1 *m_form1 = nullptr;
    std::vector<mapdata::FocusSpot *> m_names;
    mapdata::FocusSpot *m_map = nullptr;
    mapdata::FocusSpot *m_marker = nullptr;
    mapdata::FocusSpot *m_status = nullptr;
    std::unique_ptr<ZonePlaces> m_places;
    std::optional<int> m_markerZone;
    QMetaObject::Connection m_heldConnection;
};

} // namespace quiz
