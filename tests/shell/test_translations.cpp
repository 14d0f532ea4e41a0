#include "fakes/windowlanguage.h"
#include "shell/errorbox.h"
#include "shell/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace shell;

TEST(Translations, TheFirstWantedLanguageWithATranslationWinsAndEnglishStopsTheSearch) {
    const QStringList built{QStringLiteral("es"), QStringLiteral("pt_BR")};
    const struct {
        QStringList wanted;
        const char *chosen;
    } rows[] = {
        {{QStringLiteral("es-ES"), QStringLiteral("es")}, "es"},
        {{QStringLiteral("es-419")}, "es"},
        {{QStringLiteral("pt-BR"), QStringLiteral("pt")}, "pt_BR"},
        {{QStringLiteral("pt_PT")}, "pt_BR"}, // any Portuguese reads the Brazilian one
        {{QStringLiteral("de-DE"), QStringLiteral("de")}, ""},
        {{QStringLiteral("de"), QStringLiteral("es")}, "es"},  // LANGUAGE=de:es
        {{QStringLiteral("en-GB"), QStringLiteral("es")}, ""}, // English comes first
        {{QStringLiteral("C")}, ""},
        {{}, ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(chooseTranslation(row.wanted, built), QLatin1String(row.chosen))
            << row.wanted.join(QLatin1Char(',')).toStdString();
}

TEST(Translations, TheLanguageOptionTakesItsCodeInEitherForm) {
    auto option = [](std::initializer_list<const char *> args) {
        QStringList list;
        for (const char *a : args)
            list << QString::fromLatin1(a);
        return languageOption(list);
    };
    EXPECT_EQ(option({"Tessaline", "--lang", "es"}), QStringLiteral("es"));
    EXPECT_EQ(option({"Tessaline", "--lang=pt_BR"}), QStringLiteral("pt_BR"));
    EXPECT_TRUE(option({"Tessaline"}).isNull());
    EXPECT_TRUE(option({"--lang", "es"}).isNull()) << "the program's own name is no option";
    EXPECT_TRUE(option({"Tessaline", "--lang"}).isNull());
    EXPECT_TRUE(option({"Tessaline", "--lang="}).isNull()) << "the shortcut with no language";
}

// The program's texts and Qt's own come in together; step numbers and handler names stay.
TEST(Translations, SpanishIsBuiltInWithQtsOwnTextsAndLeavesTheErrorBoxsPlacesAlone) {
    EXPECT_EQ(builtInTranslations(), (QStringList{QStringLiteral("es"), QStringLiteral("fr"),
                                                  QStringLiteral("nl"), QStringLiteral("pt_BR")}));
    {
        fakes::WindowLanguage spanish("es");
        ASSERT_EQ(spanish.loaded(), QStringLiteral("es"));
        EXPECT_NE(shownPlaceName(QStringLiteral("Asuncion")), QStringLiteral("Asuncion"));
        EXPECT_EQ(shownPlaceName(QStringLiteral("Atlantis")), QStringLiteral("Atlantis"))
            << "a name with no translation is shown as it stands";
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("OK"));
        const QString message = errorMessage(mapdata::Failure::fileNotFound().description(),
                                             locationText(QStringLiteral("Form_Load")), 132);
        EXPECT_FALSE(message.startsWith(QLatin1String("File not found"))) << "translated";
        EXPECT_TRUE(message.contains(QLatin1String("Tessaline2017/04/05.Form1.Form_Load")) &&
                    message.contains(QLatin1String("132")));
    }
    EXPECT_EQ(shownPlaceName(QStringLiteral("Asuncion")), QStringLiteral("Asuncion"));
    fakes::WindowLanguage german("de");
    EXPECT_TRUE(german.loaded().isEmpty());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("OK"));
}
