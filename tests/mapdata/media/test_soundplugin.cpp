#include "mapdata/media/mediabackend.h"
#include "mapdata/media/soundplugin.h"
#include "shell/qtservices.h"

#include "environment.h"
#include "shippedsound.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace mapdata {
namespace {

// Used only where the test reads the process or copies the plugin file (not on Windows).
[[maybe_unused]] QString builtPlugin() {
    return QStringLiteral(TESSALINE_MEDIA_PLUGIN);
}

#ifdef Q_OS_LINUX
// Whether a library whose name contains part is mapped into this process.
bool isMapped(const char *part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}
#endif

// The warnings issued while it lives; the default handler would print each as a line on stderr.
class WarningCounter {
public:
    WarningCounter() {
        s_messages.clear();
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { s_messages << text; });
    }
    ~WarningCounter() { qInstallMessageHandler(m_previous); }
    WarningCounter(const WarningCounter &) = delete;
    WarningCounter &operator=(const WarningCounter &) = delete;

    static QStringList messages() { return s_messages; }

private:
    static inline QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};

TEST(SoundPluginTest, LoadsQtMultimediaOnlyWhenAskedAndNoCodecForPcm) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "reads the process's mappings from /proc";
#else
    RestoredEnvironmentVariable backend(kMediaBackendVariable);
    selectMediaBackend();
    EXPECT_FALSE(isMapped("libQt6Multimedia")) << "the program must not link Qt Multimedia";
    shell::PluginSoundPlayer player(builtPlugin());
    EXPECT_FALSE(isMapped("libQt6Multimedia"));

    player.prepare({shippedSound("correct.wma"), shippedSound("wrong.wma")});
    EXPECT_TRUE(isMapped("libQt6Multimedia"));
    player.setURL(shippedSound("wrong.wma"));
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.URL(), shippedSound("correct.wma"));
    // The shipped sounds are PCM: no codec and no backend plugin came with them.
    EXPECT_FALSE(isMapped("libavcodec"));
    EXPECT_FALSE(isMapped("mediaplugin"));
#endif
}

TEST(SoundPluginTest, ADamagedOrForeignFileInThePluginsPlaceIsNoSoundAndOneLine) {
#ifndef TESSALINE_NOT_A_PLUGIN
    GTEST_SKIP() << "the plugin is linked into the program; no file is read";
#else
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto copyCut = [&](const char *name, qint64 keepBytes) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile::copy(builtPlugin(), path);
        QFile file(path);
        EXPECT_TRUE(file.resize(keepBytes));
        return path;
    };
    const QString randomBytes = dir.filePath(QStringLiteral("random.so"));
    {
        QFile file(randomBytes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x7f'));
    }
    const QStringList damaged = {
        QStringLiteral("/nonexistent/tessaline-media.so"),
        QStringLiteral(TESSALINE_ASSETS_DIR "/items.txt"),
        dir.path(),
        randomBytes,
        // Cut inside its loadable segments (32 KiB are fewer than they take, with or without
        // debug information): mapping it would fault (SIGBUS) on the missing pages.
        copyCut("cut.so", 32 * 1024),
        copyCut("head.so", 4096),
        QStringLiteral(TESSALINE_OTHER_PLUGIN),
        QStringLiteral(TESSALINE_UNRESOLVED_PLUGIN), // bound lazily it would end with status 127
        QStringLiteral(TESSALINE_NOT_A_PLUGIN),
    };
    for (const QString &path : damaged) {
        WarningCounter warnings;
        EXPECT_EQ(loadSoundPlayer(path), nullptr) << path.toStdString();
        ASSERT_EQ(WarningCounter::messages().size(), 1) << path.toStdString();
        EXPECT_TRUE(WarningCounter::messages().constFirst().startsWith(
            QStringLiteral("Tessaline: no sound: ")));
        EXPECT_FALSE(WarningCounter::messages().constFirst().contains(QLatin1Char('\n')));
    }
    // The window's player asks once, and plays nothing after that.
    WarningCounter warnings;
    shell::PluginSoundPlayer player(randomBytes);
    player.prepare({shippedSound("correct.wma")});
    player.setURL(shippedSound("wrong.wma"));
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.URL(), shippedSound("correct.wma"));
    EXPECT_EQ(WarningCounter::messages().size(), 1);
#endif
}

TEST(SoundPluginTest, ChoosesABackendOnlyWhereOneIsNeededAndKeepsTheUsersChoice) {
    RestoredEnvironmentVariable chosen(kMediaBackendVariable);
    qunsetenv(kMediaBackendVariable);
    selectMediaBackend();
#ifdef Q_OS_LINUX
    EXPECT_EQ(qgetenv(kMediaBackendVariable), QByteArray("ffmpeg"));
    EXPECT_TRUE(isMediaBackendInstalled());
#else
    EXPECT_TRUE(qgetenv(kMediaBackendVariable).isEmpty()) << "Qt's own choice plays WMA here";
#endif
    qputenv(kMediaBackendVariable, "gstreamer");
    selectMediaBackend();
    EXPECT_EQ(qgetenv(kMediaBackendVariable), QByteArray("gstreamer")) << "a user's choice stays";
    qputenv(kMediaBackendVariable, "bogus");
    EXPECT_FALSE(isMediaBackendInstalled());
}

} // namespace
} // namespace mapdata
