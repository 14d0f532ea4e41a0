#include "mapdata/media/deferredsoundplayer.h"
#include "mapdata/media/mediabackend.h"
#include "mapdata/media/mediaplugin.h"

#include "mediaapplication.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace mapdata {
namespace {

QString sound(const char *name) {
    return QDir::cleanPath(QStringLiteral(TESSALINE_ASSETS_DIR "/sounds/") + QLatin1String(name));
}

// Whether Qt Multimedia is mapped into this process (Linux only: answers false elsewhere).
bool isQtMultimediaLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6Multimedia");
}

class DeferredSoundPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureMediaApplication(); }
};

TEST_F(DeferredSoundPlayerTest, LoadsQtMultimediaOnlyWhenFirstAskedToPlayOrPrepare) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "reads the process's mappings from /proc";
#endif
    // The name the program looks for, in the folder the build puts the library in.
    DeferredSoundPlayer player(QStringLiteral(TESSALINE_MEDIA_PLUGIN_DIR "/") +
                               QLatin1String(kMediaPluginName));
    EXPECT_FALSE(player.hasTriedLoading());
    EXPECT_FALSE(isQtMultimediaLoaded()) << "this test must not link Qt Multimedia itself";

    player.prepare({sound("correct.wma")});
    ASSERT_NE(player.loadedPlayer(), nullptr) << player.loadError().toStdString();
    EXPECT_TRUE(isQtMultimediaLoaded());

    // Later calls go to the same player, which records what was assigned.
    const QString url = sound("wrong.wma");
    player.setURL(url);
    EXPECT_EQ(player.URL(), url);
    EXPECT_EQ(player.loadedPlayer()->URL(), url);
}

TEST_F(DeferredSoundPlayerTest, WithoutItsLibraryRecordsTheURLAndPlaysNothing) {
    for (const QString &path : {QStringLiteral("/nonexistent/tessaline-media"),
                                QStringLiteral(TESSALINE_ASSETS_DIR "/items.txt")}) {
        DeferredSoundPlayer player(path);
        player.setURL(sound("correct.wma"));
        player.prepare({sound("correct.wma")});
        EXPECT_TRUE(player.hasTriedLoading());
        EXPECT_EQ(player.loadedPlayer(), nullptr) << path.toStdString();
        EXPECT_FALSE(player.loadError().isEmpty());
        EXPECT_EQ(player.URL(), sound("correct.wma"));
    }
}

} // namespace
} // namespace mapdata
