#include "accessibilityrecorder.h"
#include "playfixture.h"

#include "fakes/windowlanguage.h"
#include "shell/translations.h"

#include <QAbstractButton>

using namespace mapdata;

namespace {

// The window made under a Spanish desktop: everything shown and spoken is Spanish, the
// judging keys stay the item file's English names.
class SpanishDesktop {
protected:
    fakes::WindowLanguage spanish{"es"};
};

class SpanishGame : public SpanishDesktop, public PlayedWindow {
protected:
    QStringList toldResults(std::size_t from) {
        QStringList told;
        for (std::size_t i = from; i < a11y::heard().size(); ++i)
            if (a11y::heard()[i].objectName == QLatin1String("ResultNotice") &&
                a11y::heard()[i].type == QAccessible::ObjectShow)
                told << a11y::heard()[i].name;
        return told;
    }
};

} // namespace

TEST_F(SpanishGame, IsJudgedByTheEnglishKeysAndShownAndSpokenInSpanish) {
    ASSERT_EQ(spanish.loaded(), QStringLiteral("es"));
    EXPECT_EQ(design().Label1->caption(), QStringLiteral("INSTRUCCIONES"));
    EXPECT_EQ(design().Label3->caption(), QStringLiteral("PAÍSES:"));
    EXPECT_EQ(window->PushButton1().text(), QStringLiteral("Reiniciar"));
    const int peru = itemIndex("Peru");
    EXPECT_EQ(design().labels(peru).caption(), QStringLiteral("Perú"));
    EXPECT_EQ(design().labels(peru).tag(), QStringLiteral("Peru"));

    const std::size_t heardBefore = a11y::heard().size();
    drag(peru, *dropPoint(peru, false));
    EXPECT_TRUE(design().labels(peru).isVisible());
    QStringList shownInPool;
    for (int item = 0; item < kItemCount; ++item)
        shownInPool << design().labels(item).caption();
    for (int item = 0; item < kItemCount; ++item) {
        placeCorrectly(item);
        if (item < kItemCount - 1) {
            ASSERT_EQ(window->form1().placedCount, item + 1);
            ASSERT_EQ(design().maplabel(item).caption(), shownInPool[item]);
        }
    }
    EXPECT_EQ(shownInPool[std::size_t(itemIndex("South Pacific Ocean"))],
              QStringLiteral("Pacífico Sur"));
    QStringList expectedSounds{QStringLiteral("wrong")};
    for (int i = 0; i < kItemCount; ++i)
        expectedSounds << QStringLiteral("correct");
    expectedSounds << QStringLiteral("complete");
    EXPECT_EQ(sounds.soundNames(), expectedSounds);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].prompt, QStringLiteral("¡FELICIDADES! ¡EL MAPA ESTÁ COMPLETO!"));
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("ÉXITO"));
    EXPECT_EQ(visiblePoolLabels(), kItemCount) << "dealt again";

    const QStringList told = toldResults(heardBefore);
    ASSERT_EQ(told.size(), kItemCount + 1);
    EXPECT_EQ(told.front(), QStringLiteral("Perú: aquí no"));
    EXPECT_EQ(told[1 + itemIndex("Bogota")], QStringLiteral("Bogotá en su lugar"));
}
