#include "shell/identity.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace shell;

TEST(AppTitle, CutsTheLastWordEvenFromAShortNameAndThenAsManyAsNeededToFitForty) {
    EXPECT_EQ(appTitleFor(QStringLiteral("Map Quiz Deluxe")), QStringLiteral("Map Quiz"));
    const QString tenWords =
        QStringLiteral("alpha bravo charl delta echoo foxtr golfy hotel india julie");
    ASSERT_EQ(tenWords.size(), 59);
    EXPECT_EQ(appTitleFor(tenWords), QStringLiteral("alpha bravo charl delta echoo foxtr"));
    EXPECT_EQ(appTitleFor(tenWords).size(), 35);
}

TEST(AppTitle, NameWithoutASpaceKeepsTheWholeNameUpToForty) {
    EXPECT_EQ(appTitleFor(QStringLiteral("Tessaline")), QStringLiteral("Tessaline"));
    EXPECT_EQ(appTitleFor(QString(50, QLatin1Char('x'))).size(), kAppTitleMaxChars);
    // A first word longer than forty is all that is left after the cuts.
    EXPECT_EQ(appTitleFor(QString(45, QLatin1Char('y')) + QStringLiteral(" z")),
              QString(40, QLatin1Char('y')));
}
