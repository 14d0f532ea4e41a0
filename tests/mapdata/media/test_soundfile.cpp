#include "mapdata/media/soundfile.h"

#include "shippedsound.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <ostream>

QT_BEGIN_NAMESPACE
// Readable failure messages.
inline void PrintTo(const QUrl &url, std::ostream *os) {
    *os << url.toString().toStdString();
}
QT_END_NAMESPACE

namespace mapdata {
namespace {

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

TEST(SoundFileTest, ResolvesPathsAndURLs) {
    // Absolute as the platform writes it: "/a" is "Z:/a" under Wine.
    const auto absolute = [](const QString &p) {
        return QUrl::fromLocalFile(QFileInfo(p).absoluteFilePath());
    };
    const QString path = shippedSound("correct.wma");
    EXPECT_EQ(resolveSoundUrl(path), absolute(path));
    EXPECT_EQ(resolveSoundUrl(QUrl::fromLocalFile(path).toString()), absolute(path));
    EXPECT_EQ(
        resolveSoundUrl(QStringLiteral("sounds/x.wma")),
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("sounds/x.wma"))));
    EXPECT_EQ(resolveSoundUrl(QStringLiteral("/a/b/../c.wma")),
              absolute(QStringLiteral("/a/c.wma")));
    EXPECT_EQ(resolveSoundUrl(QStringLiteral("qrc:/sounds/x.wma")),
              QUrl(QStringLiteral("qrc:/sounds/x.wma")));
    EXPECT_TRUE(resolveSoundUrl(QStringLiteral("  ")).isEmpty());
}

TEST(SoundFileTest, ShippedSoundsArePcmWave) {
    for (const char *name : {"correct.wma", "wrong.wma", "complete.wma"})
        EXPECT_EQ(inspectSoundFile(shippedSound(name)), SoundFileKind::Wave) << name;
}

TEST(SoundFileTest, OtherMediaContainersGoToTheBackendAndGarbageNowhere) {
    const auto kind = [](const QByteArray &start) {
        QByteArray header = start.leftJustified(kSoundHeaderBytes, '\0');
        return soundKindOfHeader(header.constData(), header.size());
    };
    EXPECT_EQ(kind(QByteArray("RIFF\x24\0\0\0WAVE", 12)), SoundFileKind::Wave);
    EXPECT_EQ(kind(QByteArray("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9", 10)),
              SoundFileKind::Other); // WMA
    EXPECT_EQ(kind("ID3\x04"), SoundFileKind::Other);
    EXPECT_EQ(kind("\xFF\xFB\x90\x64"), SoundFileKind::Other); // MP3 frame
    EXPECT_EQ(kind("OggS"), SoundFileKind::Other);
    EXPECT_EQ(kind("fLaC"), SoundFileKind::Other);
    EXPECT_EQ(kind(QByteArray("\0\0\0\x20"
                              "ftypM4A ",
                              12)),
              SoundFileKind::Other);
    EXPECT_EQ(kind("RIFF\0\0\0\0AVI "), SoundFileKind::Other);
    EXPECT_EQ(kind("ZZZZZZZZZZZZ"), SoundFileKind::Unplayable);
    EXPECT_EQ(kind("Argentina,Bu"), SoundFileKind::Unplayable);
    // A header cut short is no sound.
    EXPECT_EQ(soundKindOfHeader("RIFF\x24\0\0\0WAV", 11), SoundFileKind::Unplayable);
    EXPECT_EQ(soundKindOfHeader("", 0), SoundFileKind::Unplayable);
    EXPECT_EQ(soundKindOfHeader("", -1), SoundFileKind::Unplayable);
}

TEST(SoundFileTest, MissingEmptyCutOrOversizedFilesAreUnplayable) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(inspectSoundFile(QString()), SoundFileKind::Unplayable);
    EXPECT_EQ(inspectSoundFile(dir.filePath(QStringLiteral("missing.wma"))),
              SoundFileKind::Unplayable);
    EXPECT_EQ(inspectSoundFile(dir.path()), SoundFileKind::Unplayable);
    EXPECT_EQ(inspectSoundFile(writeFile(dir, "empty.wma", {})), SoundFileKind::Unplayable);
    EXPECT_EQ(inspectSoundFile(writeFile(dir, "cut.wma", "RIFF")), SoundFileKind::Unplayable);

    const QString huge = dir.filePath(QStringLiteral("huge.wma"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF\x24\0\0\0WAVE", kSoundHeaderBytes);
        ASSERT_TRUE(file.resize(kMaxSoundFileBytes + 1)); // sparse
    }
    EXPECT_EQ(inspectSoundFile(huge), SoundFileKind::Unplayable);
}

} // namespace
} // namespace mapdata
