// The executable's resources: the application icon file and the Windows resource script.
#include "shell/version.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <vector>

namespace {

const QString kIconFile = QStringLiteral(TESSALINE_ASSETS_DIR "/pictures/tessaline.ico");
// The script as the build writes it, with the project's version filled in.
const QString kResourceScript = QStringLiteral(TESSALINE_RESOURCE_SCRIPT);

constexpr int kIconDirBytes = 6;
constexpr int kIconEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;
constexpr int kHalfAlpha = 128;

quint16 u16(const QByteArray &b, qsizetype at) {
    return at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : 0;
}
quint32 u32(const QByteArray &b, qsizetype at) {
    return at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : 0;
}
qsizetype rowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct IconImage {
    int side;
    int bitsPerPixel;
};

} // namespace

TEST(ApplicationIcon, HoldsFourUncompressedImagesInTheirOrderEachWithAnAndMask) {
    const QByteArray ico = readAll(kIconFile);
    ASSERT_GE(ico.size(), kIconDirBytes);
    EXPECT_EQ(u16(ico, 0), 0);
    EXPECT_EQ(u16(ico, 2), 1) << "an icon, not a cursor";
    ASSERT_EQ(u16(ico, 4), 4);

    const std::vector<IconImage> expected{{32, 24}, {256, 32}, {128, 32}, {48, 32}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const qsizetype entry = kIconDirBytes + i * kIconEntryBytes;
        const IconImage want = expected[std::size_t(i)];
        const int side = want.side;
        // 256 is written as 0 in the one-byte size fields.
        EXPECT_EQ(quint8(ico[entry]), side % 256);
        EXPECT_EQ(quint8(ico[entry + 1]), side % 256);
        EXPECT_EQ(u16(ico, entry + 6), want.bitsPerPixel);
        const quint32 size = u32(ico, entry + 8);
        const quint32 offset = u32(ico, entry + 12);
        ASSERT_LE(qsizetype(offset) + qsizetype(size), ico.size());

        const QByteArray dib = ico.mid(offset, size);
        EXPECT_EQ(u32(dib, 0), quint32(kInfoHeaderBytes)) << "a plain bitmap, not a PNG";
        EXPECT_EQ(qint32(u32(dib, 4)), side);
        EXPECT_EQ(qint32(u32(dib, 8)), 2 * side) << "colour and mask halves";
        EXPECT_EQ(u16(dib, 14), want.bitsPerPixel);
        EXPECT_EQ(u32(dib, 16), 0u) << "uncompressed";
        const qsizetype colour = rowBytes(side, want.bitsPerPixel) * side;
        const qsizetype mask = rowBytes(side, 1) * side;
        EXPECT_EQ(qsizetype(size), kInfoHeaderBytes + colour + mask);

        // The mask hides exactly the mostly clear pixels (for systems that ignore alpha),
        // and never the whole picture.
        const qsizetype maskAt = kInfoHeaderBytes + colour;
        int shown = 0;
        for (int row = 0; row < side; ++row) {
            for (int x = 0; x < side; ++x) {
                const bool hidden =
                    (quint8(dib[maskAt + row * rowBytes(side, 1) + x / 8]) >> (7 - x % 8)) & 1;
                shown += hidden ? 0 : 1;
                if (want.bitsPerPixel == 32) {
                    const quint8 alpha =
                        quint8(dib[kInfoHeaderBytes + row * rowBytes(side, 32) + x * 4 + 3]);
                    ASSERT_EQ(hidden, alpha < kHalfAlpha) << "pixel " << x << "," << row;
                }
            }
        }
        EXPECT_GT(shown, side * side / 4);
    }
}

#ifdef TESSALINE_WINDRES
namespace {

struct ResourceEntry {
    int type = 0;
    int name = 0;
    QByteArray data;
};

// Reads the entries of a compiled .res file; numeric types and names only, as ours are.
std::vector<ResourceEntry> readResFile(const QByteArray &res) {
    std::vector<ResourceEntry> entries;
    qsizetype at = 0;
    while (at + 32 <= res.size()) {
        const quint32 dataSize = u32(res, at);
        const quint32 headerSize = u32(res, at + 4);
        ResourceEntry entry;
        entry.type = u16(res, at + 8) == 0xFFFF ? u16(res, at + 10) : -1;
        entry.name = u16(res, at + 12) == 0xFFFF ? u16(res, at + 14) : -1;
        entry.data = res.mid(at + headerSize, dataSize);
        if (dataSize > 0)
            entries.push_back(entry);
        at += headerSize + ((dataSize + 3) & ~3u);
    }
    return entries;
}

QByteArray utf16(const char *text) {
    const QString s = QString::fromLatin1(text);
    return QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
}

} // namespace

TEST(ResourceScript, CompilesToIconGroupOneAndTheVersionBlockAndNothingElse) {
    const QString windres = QStringLiteral(TESSALINE_WINDRES);
    ASSERT_FALSE(windres.isEmpty())
        << "x86_64-w64-mingw32-windres is missing: tools/setup-debian.sh installs it";
    QStringList arguments;
    if (const QString cpp = QStringLiteral(TESSALINE_WINDRES_CPP); !cpp.isEmpty())
        arguments << QStringLiteral("--preprocessor=") + cpp;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("tessaline.res"));
    arguments << QStringLiteral("-i") << kResourceScript << QStringLiteral("-o") << output
              << QStringLiteral("-O") << QStringLiteral("res");
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(windres, arguments);
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    constexpr int kIcon = 3, kGroupIcon = 14, kVersion = 16;
    const std::vector<ResourceEntry> entries = readResFile(readAll(output));
    int icons = 0;
    const ResourceEntry *group = nullptr;
    const ResourceEntry *version = nullptr;
    for (const ResourceEntry &entry : entries) {
        if (entry.type == kIcon)
            ++icons;
        else if (entry.type == kGroupIcon)
            group = &entry;
        else if (entry.type == kVersion)
            version = &entry;
        else
            ADD_FAILURE() << "unexpected resource type " << entry.type;
    }
    EXPECT_EQ(icons, 4);
    EXPECT_EQ(entries.size(), 6u);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->name, 1);
    ASSERT_EQ(u16(group->data, 4), 4);
    const int sides[] = {32, 0, 128, 48};
    const int depths[] = {24, 32, 32, 32};
    constexpr int kGroupHeaderBytes = 6, kGroupEntryBytes = 14;
    for (int i = 0; i < 4; ++i) {
        const qsizetype at = kGroupHeaderBytes + i * kGroupEntryBytes;
        EXPECT_EQ(quint8(group->data[at]), sides[i]) << i;
        EXPECT_EQ(u16(group->data, at + 6), depths[i]) << i;
    }

    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->name, 1);
    const QByteArray &v = version->data;
    const qsizetype fixed = v.indexOf(QByteArray::fromHex("bd04effe"));
    ASSERT_GE(fixed, 0);
    const quint32 majorMinor = quint32(shell::kVersionMajor) << 16 | quint32(shell::kVersionMinor);
    EXPECT_EQ(u32(v, fixed + 8), majorMinor) << "file version major.minor";
    EXPECT_EQ(u32(v, fixed + 12), 0u) << "file version .0.0";
    EXPECT_EQ(u32(v, fixed + 16), majorMinor) << "product version major.minor";
    EXPECT_EQ(u32(v, fixed + 20), 0u);
    EXPECT_EQ(u32(v, fixed + 28), 0u) << "no file flags";
    EXPECT_EQ(u32(v, fixed + 32), 0x4u) << "32-bit Windows";
    EXPECT_EQ(u32(v, fixed + 36), 0x1u) << "an application";
    for (const char *text : {"040904B0", "CompanyName", "Quelmark", "ProductName", "Tessaline",
                             "FileVersion", shell::kVersionText, "ProductVersion", "InternalName",
                             "OriginalFilename", "Tessaline.exe", "Translation"})
        EXPECT_TRUE(v.contains(utf16(text))) << text;
    EXPECT_TRUE(v.contains(QByteArray::fromHex("0904b004"))) << "translation 0x0409, 0x04B0";
    EXPECT_FALSE(v.contains(utf16("LegalCopyright")));
    EXPECT_FALSE(v.contains(utf16("FileDescription")));
}
#endif
