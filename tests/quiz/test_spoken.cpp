// What a screen reader is given to speak: the places by where they lie, each marker step and
// each keyboard result with a focus change, and the window's own texts.
#include "accessibilityrecorder.h"
#include "boardfixture.h"
#include "fakes/windowlanguage.h"
#include "markerwalk.h"
#include "playfixture.h"

#include "mapdata/toolkit/focusspot.h"
#include "quiz/judging.h"
#include "quiz/spokentext.h"
#include "quiz/zoneplaces.h"
#include "shell/translations.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>

using namespace mapdata;
using quiz::Compass;
using quiz::Shore;
using quiz::ZonePlaces;

namespace {

QString firstName(const QString &tag) {
    return tag.section(QLatin1Char(','), 0, 0);
}

bool isNorth(Compass c) {
    return c == Compass::NorthWest || c == Compass::North || c == Compass::NorthEast;
}
bool isSouth(Compass c) {
    return c == Compass::SouthWest || c == Compass::South || c == Compass::SouthEast;
}

int placeOf(const ZonePlaces &places, const char *first) {
    for (int p = 0; p < places.count(); ++p)
        if (firstName(places.tag(p)) == QLatin1String(first))
            return p;
    return -1;
}

} // namespace

// The words must be true to the map a sighted pupil sees, tell every place from every other in
// each language, and never name what lies there before it is placed.
TEST_F(Board, EveryPlaceIsToldApartByWhatTheMapShowsNeverByItsNames) {
    load();
    const ZonePlaces places(design);
    for (const QString &language : fakes::windowLanguages()) {
        fakes::WindowLanguage shown(language.toLatin1().constData());
        QSet<QString> told;
        for (int p = 0; p < places.count(); ++p) {
            const QString words = quiz::placeText(places.whereabouts(p), places.placedAround(p));
            EXPECT_FALSE(told.contains(words))
                << language.toStdString() << ": " << words.toStdString();
            told.insert(words);
            for (const ItemRecord &item : kItemTable)
                for (const QString &name :
                     {QString::fromLatin1(item.name), shell::shownPlaceName(item.name)})
                    EXPECT_FALSE(words.contains(name, Qt::CaseInsensitive))
                        << language.toStdString() << ": " << words.toStdString();
        }
    }
    const auto where = [&](const char *first) {
        return places.whereabouts(placeOf(places, first));
    };
    for (const ItemRecord &item : kItemTable)
        if (item.heading == PoolHeading::SeasAndOceans) {
            EXPECT_EQ(where(item.name).shore, Shore::Sea);
            EXPECT_EQ(where(item.name).size, quiz::Size::Large);
        }
    // Landlocked countries have no coast; Peru has one, though Lima's own zone lies inland.
    EXPECT_EQ(where("Bolivia").shore, Shore::Inland);
    EXPECT_EQ(where("Paraguay").shore, Shore::Inland);
    EXPECT_EQ(where("Peru").shore, Shore::Coast);
    EXPECT_EQ(where("Chile").shore, Shore::Coast);
    EXPECT_EQ(where("Brazil").size, quiz::Size::Large);
    EXPECT_EQ(where("Suriname").size, quiz::Size::Small);
    EXPECT_EQ(where("Bolivia").capitalStars, 2) << "La Paz and Sucre";
    EXPECT_EQ(where("Guyana").capitalStars, 0);
    EXPECT_TRUE(isNorth(where("Venezuela").compass));
    EXPECT_TRUE(isSouth(where("Argentina").compass));
    EXPECT_EQ(quiz::placeText({Compass::NorthWest, Shore::Coast, quiz::Size::Small, 1, 2, 0,
                               quiz::Axis::WestToEast}),
              QStringLiteral("North-west. Small country by the sea. A capital's star. The "
                             "westernmost of 2 like it."));
    EXPECT_EQ(quiz::placeText({Compass::Centre, Shore::Inland, quiz::Size::Middle, 2, 3, 1,
                               quiz::Axis::NorthToSouth},
                              {{"Bolivia", "La Paz"}, {"Brazil", "Chile", "Peru"}, 1, true}),
              QStringLiteral("Labelled Bolivia and La Paz. Centre. Middle-sized inland country. "
                             "2 capitals' stars. Number 2 of 3 like it, from the north. Next to "
                             "Brazil, Chile and Peru. One neighbour unnamed."));
}

// Once names are placed, a place is told by the names on it and around it, as the map shows
// them in bold.
TEST_F(Board, PlacedNamesAreToldOnTheirPlaceAndNextToIt) {
    load();
    const ZonePlaces places(design);
    const int bolivia = placeOf(places, "Bolivia");
    const std::vector<int> &around = places.neighbours(bolivia);
    for (const char *first : {"Brazil", "Peru", "Paraguay", "Argentina", "Chile"})
        EXPECT_NE(std::find(around.begin(), around.end(), placeOf(places, first)), around.end())
            << first;
    EXPECT_EQ(around.size(), 5u);
    const std::pair<const char *, const char *> placings[] = {
        {"Peru", "Peru"}, {"Lima", "Peru"}, {"Brazil", "Brazil"}, {"Sucre", "Bolivia"}};
    for (const auto &[name, country] : placings) {
        form1().pickUp(std::int16_t(itemIndex(name)));
        form1().placeHeldAt(places.placePoint(placeOf(places, country)));
    }
    ASSERT_EQ(form1().placedCount, 4);
    const quiz::PlacedAround placed = places.placedAround(bolivia);
    EXPECT_EQ(placed.onIt, QStringList{"Sucre"});
    EXPECT_EQ(placed.nextTo, (QStringList{"Brazil", "Peru"}));
    EXPECT_EQ(placed.unnamedNeighbours, 3);
    EXPECT_EQ(places.placedAround(placeOf(places, "Peru")).onIt, (QStringList{"Peru", "Lima"}));
}

// The real window, driven by real key events, heard through the recording bridge.
class SpokenPlay : public PlayedWindow {
protected:
    void SetUp() override {
        QApplication::setActiveWindow(&widget());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&widget()));
        places = std::make_unique<ZonePlaces>(design());
    }

    QWidget *focus() { return widget().focusWidget(); }
    // Where the focus is, as the window system delivers a key.
    void key(Qt::Key k) { QTest::keyClick(focus(), k); }
    FocusSpot *spot(const QString &name) { return widget().findChild<FocusSpot *>(name); }
    FocusSpot *nameSpot(int item) { return spot(QStringLiteral("labels(%1)").arg(item)); }
    QString description(QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }
    // The focus events heard since the last call.
    std::vector<a11y::HeardEvent> focusEvents() {
        std::vector<a11y::HeardEvent> events;
        for (const a11y::HeardEvent &e : a11y::heard())
            if (e.type == QAccessible::Focus)
                events.push_back(e);
        a11y::heard().clear();
        return events;
    }

    std::unique_ptr<ZonePlaces> places;
};

TEST_F(SpokenPlay, EachMarkerStepAndEachKeyboardResultComeWithAFocusChange) {
    const int lima = itemIndex("Lima");
    const int quito = itemIndex("Quito");
    nameSpot(lima)->setFocus();
    a11y::heard().clear();
    key(Qt::Key_Space);
    auto heard = focusEvents();
    ASSERT_EQ(heard.size(), 1u);
    const int start = places->startPlace();
    EXPECT_EQ(heard[0].objectName, QStringLiteral("places(%1)").arg(start));
    EXPECT_EQ(heard[0].name, quiz::placeText(places->whereabouts(start)));
    EXPECT_FALSE(heard[0].name.contains(QLatin1String("Lima")));
    EXPECT_EQ(heard[0].description, quiz::pickUpNote(QStringLiteral("Lima")));

    // To another place that refuses Lima: every step is one focus change, to the place.
    const auto steps = markerwalk::walk(*places, start, [&](int p) {
        return p != start && !quiz::isDropAccepted(places->tag(p), design().labels(lima).tag());
    });
    ASSERT_TRUE(steps.has_value() && !steps->empty());
    int place = start;
    for (quiz::Direction d : *steps) {
        key(markerwalk::arrowFor(d));
        place = places->next(place, d);
        heard = focusEvents();
        ASSERT_EQ(heard.size(), 1u) << "one focus change a step, nothing on the way";
        EXPECT_EQ(heard[0].objectName, QStringLiteral("places(%1)").arg(place));
        EXPECT_EQ(heard[0].name, quiz::placeText(places->whereabouts(place)));
        EXPECT_TRUE(heard[0].description.isEmpty()) << "the pick-up is told once";
    }
    key(Qt::Key_Return);
    heard = focusEvents();
    ASSERT_EQ(heard.size(), 1u) << "straight to the name, no widget on the way";
    EXPECT_EQ(heard[0].objectName, QStringLiteral("labels(%1)").arg(lima));
    EXPECT_EQ(heard[0].description, QStringLiteral("Lima: not here"));
    // Told once: gone when the focus moves on.
    key(Qt::Key_Tab);
    EXPECT_TRUE(description(nameSpot(lima)).isEmpty());

    // A right one: told with the next name in the pool.
    nameSpot(quito)->setFocus();
    key(Qt::Key_Space);
    const auto toQuito = markerwalk::walk(*places, places->startPlace(), [&](int p) {
        return quiz::isDropAccepted(places->tag(p), design().labels(quito).tag());
    });
    ASSERT_TRUE(toQuito.has_value());
    for (quiz::Direction d : *toQuito)
        key(markerwalk::arrowFor(d));
    focusEvents();
    key(Qt::Key_Return);
    heard = focusEvents();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].objectName, QStringLiteral("labels(%1)").arg(quito + 1));
    EXPECT_EQ(heard[0].description, QStringLiteral("Quito placed"));
    EXPECT_FALSE(design().labels(quito).isVisible());

    // Picked up again: the marker's place is told with the name now placed next to it.
    key(Qt::Key_Space);
    heard = focusEvents();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].name, quiz::placeText(places->whereabouts(places->startPlace()),
                                             places->placedAround(places->startPlace())));
    EXPECT_TRUE(heard[0].name.contains(QLatin1String("neighbours unnamed")));
    // Escape: back on the name, without a note.
    key(Qt::Key_Escape);
    heard = focusEvents();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].objectName, QStringLiteral("labels(%1)").arg(quito + 1));
    EXPECT_TRUE(heard[0].description.isEmpty());
}

TEST_F(SpokenPlay,
       TheWindowIsAFrameItsFocusSinkTheInstructionLineAndItsNamesListedUnderTheirHeadings) {
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&widget());
    EXPECT_EQ(root->role(), QAccessible::Window);
    EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Tessaline"));

    QAccessibleInterface *sink = QAccessible::queryAccessibleInterface(&window->Text1());
    EXPECT_EQ(sink->role(), QAccessible::StaticText) << "not a text field to type in";
    EXPECT_EQ(sink->text(QAccessible::Name), design().Label2->caption());
    EXPECT_EQ(focus(), &window->Text1()) << "and still where the focus starts";

    QAccessibleInterface *instructions = QAccessible::queryAccessibleInterface(spot("Label1"));
    ASSERT_NE(instructions, nullptr);
    EXPECT_EQ(instructions->role(), QAccessible::Heading);
    EXPECT_EQ(instructions->text(QAccessible::Name), design().Label1->caption());
    EXPECT_GE(root->indexOfChild(instructions), 0);

    // Each name is found once, in the list under its heading.
    const std::pair<Control *, PoolHeading> lists[] = {
        {design().Label3, PoolHeading::Countries},
        {design().Label4, PoolHeading::Capitals},
        {design().Label5, PoolHeading::SeasAndOceans}};
    int found = 0;
    for (const auto &[label, heading] : lists) {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(spot(label->name()));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->role(), QAccessible::List);
        EXPECT_EQ(list->text(QAccessible::Name), label->caption());
        EXPECT_GE(root->indexOfChild(list), 0);
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface *name = list->child(i);
            ASSERT_NE(name, nullptr);
            const int item = qobject_cast<FocusSpot *>(name->object())->control()->index();
            EXPECT_EQ(kItemTable[std::size_t(item)].heading, heading) << item;
            EXPECT_EQ(name->parent()->object(), list->object());
            EXPECT_EQ(list->indexOfChild(name), i);
            EXPECT_LT(root->indexOfChild(name), 0) << "not in the window a second time";
            ++found;
        }
    }
    EXPECT_EQ(found, kItemCount);
    // A placed name has left its list.
    QAccessibleInterface *countries = QAccessible::queryAccessibleInterface(spot("Label3"));
    const int before = countries->childCount();
    placeCorrectly(itemIndex("Peru"));
    EXPECT_EQ(countries->childCount(), before - 1);
}
