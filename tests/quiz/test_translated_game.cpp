#include "playfixture.h"

#include "fakes/windowlanguage.h"
#include "shell/translations.h"

using namespace mapdata;

namespace {

// The window made under a Spanish desktop (the game itself is played in Spanish by WholeGame).
class SpanishDesktop {
protected:
    fakes::WindowLanguage spanish{"es"};
};

class SpanishGame : public SpanishDesktop, public PlayedWindow {};

} // namespace

// The pool shows each name in Spanish, while its key, which drops are judged by, stays the item
// file's English name.
TEST_F(SpanishGame, NamesAreShownInSpanishAndKeepTheirEnglishKeys) {
    ASSERT_EQ(spanish.loaded(), QStringLiteral("es"));
    int shownOtherwise = 0;
    for (int item = 0; item < kItemCount; ++item) {
        const char *key = kItemTable[std::size_t(item)].name;
        const QString caption = design().labels(item).caption();
        EXPECT_EQ(design().labels(item).tag(), QLatin1String(key));
        EXPECT_EQ(caption, QCoreApplication::translate(shell::kPlaceNameContext, key));
        shownOtherwise += caption != QLatin1String(key) ? 1 : 0;
    }
    EXPECT_GT(shownOtherwise, 0);
}
