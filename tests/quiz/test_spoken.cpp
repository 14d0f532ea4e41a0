// What a screen reader is given to speak: the places by where they lie, each marker step and
// each keyboard result with a focus change, and the window's own texts.
#include "accessibilityrecorder.h"
#include "boardfixture.h"
#include "markerwalk.h"
#include "playfixture.h"

#include "mapdata/toolkit/focusspot.h"
#include "quiz/judging.h"
#include "quiz/spokentext.h"
#include "quiz/zoneplaces.h"

#include <QAccessible>
#include <QApplication>

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

} // namespace

// The words must be true to the map a sighted pupil sees, and never name what lies there.
TEST_F(Board, EveryPlaceIsSpokenByWhereItLiesTrueToTheMap) {
    load();
    const ZonePlaces places(design);
    int stars = 0;
    for (int z = 0; z < places.count(); ++z) {
        const QString tag = design.piccoor(z).tag();
        const quiz::Whereabouts &where = places.whereabouts(z);
        // Seas and oceans, known by their names, are at sea, and nothing else is.
        const QString first = firstName(tag);
        EXPECT_EQ(where.shore == Shore::Sea,
                  first.endsWith(QLatin1String(" Sea")) || first.endsWith(QLatin1String(" Ocean")))
            << z;
        // Landlocked countries have no coast; Chile is all coast.
        if (first == QLatin1String("Bolivia") || first == QLatin1String("Paraguay")) {
            EXPECT_EQ(where.shore, Shore::Inland) << z;
        }
        if (first == QLatin1String("Chile")) {
            EXPECT_EQ(where.shore, Shore::Coast) << z;
        }
        if (first == QLatin1String("Caribbean Sea") || first == QLatin1String("Venezuela")) {
            EXPECT_TRUE(isNorth(where.compass)) << z;
        }
        if (first == QLatin1String("Uruguay")) {
            EXPECT_FALSE(isNorth(where.compass) || isSouth(where.compass)) << z;
        }
        // A star marks a capital: only where a country with a capital is.
        if (where.capitalStar) {
            ++stars;
            EXPECT_TRUE(tag.contains(QLatin1Char(','))) << z;
        }
        const QString words = quiz::placeText(where);
        for (const ItemRecord &item : kItemTable)
            EXPECT_FALSE(words.contains(QLatin1String(item.name), Qt::CaseInsensitive)) << z;
    }
    EXPECT_TRUE(isSouth(places.whereabouts(45).compass)) << "Tierra del Fuego";
    // Each star lies in one place; La Paz and Sucre share Bolivia's.
    EXPECT_GE(stars, kCapitalMarkerCount - 1);
    EXPECT_EQ(quiz::placeText({Compass::NorthWest, Shore::Coast, false}),
              QStringLiteral("north-west, near the coast"));
    EXPECT_EQ(quiz::placeText({Compass::Centre, Shore::Inland, true}),
              QStringLiteral("centre, inland, with a capital's star"));
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
    const int start = places->startZone();
    EXPECT_EQ(heard[0].objectName, QStringLiteral("places(%1)").arg(start));
    EXPECT_EQ(heard[0].name, quiz::placeText(places->whereabouts(start)));
    EXPECT_EQ(heard[0].description, quiz::pickUpNote(QStringLiteral("Lima")));

    // To another place that refuses Lima: every step is one focus change, to the place.
    const auto steps = markerwalk::walk(*places, start, [&](int z) {
        return z != start &&
               !quiz::isDropAccepted(design().piccoor(z).tag(), design().labels(lima).tag());
    });
    ASSERT_TRUE(steps.has_value() && !steps->empty());
    int zone = start;
    for (quiz::Direction d : *steps) {
        key(markerwalk::arrowFor(d));
        zone = places->next(zone, d);
        heard = focusEvents();
        ASSERT_EQ(heard.size(), 1u) << "one focus change a step, nothing on the way";
        EXPECT_EQ(heard[0].objectName, QStringLiteral("places(%1)").arg(zone));
        EXPECT_EQ(heard[0].name, quiz::placeText(places->whereabouts(zone)));
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
    const auto toQuito = markerwalk::walk(*places, places->startZone(), [&](int z) {
        return quiz::isDropAccepted(design().piccoor(z).tag(), design().labels(quito).tag());
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

    // Escape: back on the name, without a note.
    key(Qt::Key_Space);
    focusEvents();
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
