#include "shell/translations.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widgets need an application object; the tests run on the offscreen platform, in English.
int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // English's own plural forms, as the program loads them.
    shell::installTranslations(app, QStringLiteral("en"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
