#include "fakes/bounded.h"
#include "fakes/fakes.h"
#include "mapdata/design/quizwindowdesign.h"
#include "shell/appfiles.h"
#include "shell/qtplatform.h"
#include "shell/skin.h"
#include "shell/skinframework.h"
#include "shell/skinsheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace shell;

namespace {

// As the fakes name it; the program joins it with backslashes on Windows.
const QString kSkinPath = QStringLiteral("/app/x/o.cjs");

QByteArray shippedSkin() {
    QFile file(QStringLiteral(TESSALINE_ASSETS_DIR "/x/o.cjs"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ApplySkinFakes : public ::testing::Test {
protected:
    void apply() { ApplySkin(QStringLiteral("/app"), files, design.form, skin); }
    mapdata::QuizWindowDesign design;
    fakes::FakeFileSystem files;
    fakes::RecordingSkin skin;
};

TEST_F(ApplySkinFakes, NoFileAFolderOrAHiddenFileNamedLikeTheSkinCountsAsAbsent) {
    apply();
    files.folders << kSkinPath;
    apply();
    files.folders.clear();
    files.files[kSkinPath] = "QPushButton {}";
    files.hidden << kSkinPath;
    apply();
    EXPECT_TRUE(skin.calls.empty());
    EXPECT_EQ(design.form.backColor(), mapdata::kColorWhite);
}

TEST_F(ApplySkinFakes, OptionFlagsKeepEveryBitAlreadySet) {
    files.files[kSkinPath] = "QPushButton {}";
    skin.options = std::int32_t(0x80001234u);
    apply();
    EXPECT_EQ(skin.options, std::int32_t(0x80001235u));
    skin.options = 0x7;
    apply();
    EXPECT_EQ(skin.options, 0x7);
}

TEST_F(ApplySkinFakes, GivesTheWindowAndItsLabelsTheButtonFaceColourBeforeLoading) {
    files.files[kSkinPath] = "QPushButton {}";
    skin.failOnInvoke = kSkinDispLoadSkin;
    const mapdata::OleColor own = mapdata::rgbColor(1, 2, 3);
    design.Image1->setBackColor(own);
    design.Label1->setBackColor(own);
    design.labels(0).setBackColor(own);
    EXPECT_THROW(apply(), mapdata::Failure);
    EXPECT_EQ(skin.calls.size(), 1u) << "a failed load stops the remaining calls";
    EXPECT_EQ(design.form.backColor(), mapdata::kColorButtonFace);
    EXPECT_EQ(design.Label1->backColor(), mapdata::kColorButtonFace);
    EXPECT_EQ(design.labels(0).backColor(), mapdata::kColorButtonFace);
    EXPECT_EQ(design.Image1->backColor(), own) << "images keep theirs";
}

TEST(SkinPresence, OnlyARegularFileIsPresent) {
    QtFileSystem files;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString skin = dir.filePath(QStringLiteral("x/o.cjs"));
    EXPECT_FALSE(files.isNormalFile(skin)) << "no folder x";
    QDir().mkpath(skin);
    EXPECT_FALSE(files.isNormalFile(skin)) << "a folder named o.cjs";
    QDir().rmdir(skin);
    writeFile(skin, "QPushButton {}");
    EXPECT_TRUE(files.isNormalFile(skin));
    EXPECT_FALSE(files.isNormalFile(dir.filePath(QStringLiteral("x/.o.cjs")))) << "missing";
    writeFile(dir.filePath(QStringLiteral("x/.hidden")), "QPushButton {}");
    EXPECT_FALSE(files.isNormalFile(dir.filePath(QStringLiteral("x/.hidden"))));
}

TEST(SkinFile, ShippedSkinIsAValidStyleSheet) {
    const QByteArray bytes = shippedSkin();
    ASSERT_FALSE(bytes.isEmpty());
    QString sheet;
    EXPECT_TRUE(SkinFramework::parseSkin(bytes, &sheet));
    EXPECT_TRUE(sheet.contains(QLatin1String("QPushButton")));
}

TEST(SkinFile, RefusesWhatIsNotAStyleSheet) {
    QByteArray random(4096, '\0');
    QRandomGenerator generator(20170405);
    for (char &byte : random)
        byte = char(generator.bounded(256));
    EXPECT_FALSE(SkinFramework::parseSkin(random, nullptr)) << "random bytes";
    EXPECT_FALSE(SkinFramework::parseSkin(QByteArray(), nullptr)) << "empty";
    EXPECT_FALSE(SkinFramework::parseSkin("   \n", nullptr)) << "blank";
    EXPECT_FALSE(SkinFramework::parseSkin("QPushButton { color: red;", nullptr)) << "unclosed";
    EXPECT_FALSE(SkinFramework::parseSkin("}}{{", nullptr));
    EXPECT_FALSE(SkinFramework::parseSkin("color: red", nullptr)) << "no rule";
    EXPECT_FALSE(SkinFramework::parseSkin(QByteArray("QPushButton {}\0", 15), nullptr));
    EXPECT_FALSE(SkinFramework::parseSkin("QPushButton { color: \x1b; }", nullptr));
    EXPECT_FALSE(SkinFramework::parseSkin("QLabel { color: \xff\xfe; }", nullptr)) << "not UTF-8";
    QByteArray huge = "QPushButton { color: red; }\n";
    huge += QByteArray(SkinFramework::kMaxSkinFileBytes, ' ');
    EXPECT_FALSE(SkinFramework::parseSkin(huge, nullptr));
    EXPECT_TRUE(SkinFramework::parseSkin("\xef\xbb\xbfQPushButton { color: #123456; }", nullptr))
        << "a byte-order mark is allowed";
}

class RealSkin : public ::testing::Test {
protected:
    RealSkin() {
        button = new QPushButton(&window);
        skinPath = dir.filePath(QStringLiteral("o.cjs"));
        writeFile(skinPath, shippedSkin());
    }
    // Past 32 bits, so that a handle cut to 32 bits is a different one.
    static constexpr mapdata::WindowHandle kHandle = (mapdata::WindowHandle(1) << 32) + 7;
    mapdata::WindowHandle handle() const { return kHandle; }
    void loadAndApply(std::int32_t options, bool dialogs, bool newControls) {
        skin.invoke(kSkinDispLoadSkin, {skinPath, QString()});
        skin.setProperty(kSkinDispOptions, options);
        skin.setProperty(kSkinDispSkinDialogs, dialogs);
        skin.setProperty(kSkinDispSkinNewControls, newControls);
        skin.invoke(kSkinDispApplyWindow, {handle()});
    }

    QTemporaryDir dir;
    QString skinPath;
    QWidget window;
    QPushButton *button = nullptr;
    SkinFramework skin{&window, kHandle};
};

TEST_F(RealSkin, ControlsOptionStylesTheWindowsControlsButNeverTheWindow) {
    loadAndApply(kSkinOptionControls, false, false);
    EXPECT_EQ(button->styleSheet(), skin.styleSheet());
    EXPECT_TRUE(window.styleSheet().isEmpty());
    EXPECT_EQ(skin.options(), kSkinOptionControls);
}

TEST_F(RealSkin, WithoutTheControlsOptionTheControlsKeepTheirLook) {
    loadAndApply(0, false, false);
    EXPECT_TRUE(button->styleSheet().isEmpty());
}

TEST_F(RealSkin, DialogsOptionSkinsMessageBoxesOpenedLater) {
    loadAndApply(kSkinOptionControls, true, false);
    auto *box = new QMessageBox(&window);
    box->ensurePolished();
    EXPECT_EQ(box->styleSheet(), skin.styleSheet());
    auto *later = new QPushButton(&window);
    later->ensurePolished();
    EXPECT_TRUE(later->styleSheet().isEmpty()) << "new controls are the other option";
}

TEST_F(RealSkin, NewControlsOptionSkinsControlsAddedLaterButNotDialogs) {
    loadAndApply(0, false, true);
    auto *later = new QPushButton(&window);
    later->ensurePolished();
    EXPECT_EQ(later->styleSheet(), skin.styleSheet());
    auto *box = new QMessageBox(&window);
    box->ensurePolished();
    EXPECT_TRUE(box->styleSheet().isEmpty());
}

TEST_F(RealSkin, AControlWithItsOwnSheetKeepsIt) {
    const QString own = QStringLiteral("QPushButton { color: green; }");
    button->setStyleSheet(own);
    loadAndApply(kSkinOptionControls, false, false);
    EXPECT_EQ(button->styleSheet(), own);
}

TEST_F(RealSkin, RefusedFileRaisesAndLeavesTheWindowUnskinned) {
    writeFile(skinPath, "\x89\x01\x02 not a sheet {");
    EXPECT_THROW(skin.invoke(kSkinDispLoadSkin, {skinPath, QString()}), mapdata::Failure);
    skin.setProperty(kSkinDispOptions, kSkinOptionControls);
    skin.invoke(kSkinDispApplyWindow, {handle()});
    EXPECT_TRUE(button->styleSheet().isEmpty());
    EXPECT_FALSE(skin.isApplied());
    EXPECT_THROW(skin.invoke(kSkinDispLoadSkin, {dir.filePath(QStringLiteral("none")), QString()}),
                 mapdata::Failure);
}

TEST_F(RealSkin, ApplyingToAnotherWindowOrAnUnknownIdIsAFailure) {
    skin.invoke(kSkinDispLoadSkin, {skinPath, QString()});
    EXPECT_THROW(skin.invoke(kSkinDispApplyWindow, {handle() + 1}), mapdata::Failure);
    EXPECT_THROW(skin.invoke(kSkinDispApplyWindow, {std::uint32_t(handle())}), mapdata::Failure)
        << "a handle cut to 32 bits";
    EXPECT_THROW(skin.invoke(kSkinDispApplyWindow, {QStringLiteral("window")}), mapdata::Failure);
    EXPECT_FALSE(window.testAttribute(Qt::WA_WState_Created)) << "no native window made early";
    EXPECT_THROW(skin.invoke(99, {}), mapdata::Failure);
    EXPECT_THROW(skin.property(99), mapdata::Failure);
    EXPECT_THROW(skin.setProperty(99, 1), mapdata::Failure);
    EXPECT_TRUE(button->styleSheet().isEmpty());
}

// ApplySkin on the real component: the shipped skin reaches the window's push buttons, the
// message boxes it opens later and the controls added later, and never the window itself.
TEST(ApplySkinReal, SkinsTheWindowsControlsItsLaterBoxesAndLaterControls) {
    QTemporaryDir app;
    ASSERT_TRUE(app.isValid());
    writeFile(app.filePath(QStringLiteral("x/o.cjs")), shippedSkin());
    mapdata::QuizWindowDesign design;
    QWidget window;
    auto *button = new QPushButton(&window);
    SkinFramework skin(&window, design.form.hWnd());
    QtFileSystem files;
    ApplySkin(app.path(), files, design.form, skin);

    ASSERT_TRUE(skin.isApplied());
    EXPECT_FALSE(skin.styleSheet().isEmpty());
    EXPECT_EQ(button->styleSheet(), skin.styleSheet());
    EXPECT_TRUE(window.styleSheet().isEmpty());
    auto *box = new QMessageBox(&window);
    box->ensurePolished();
    EXPECT_EQ(box->styleSheet(), skin.styleSheet());
    auto *later = new QPushButton(&window);
    later->ensurePolished();
    EXPECT_EQ(later->styleSheet(), skin.styleSheet());
}

TEST(SkinSheet, FindsEveryUrlAndRefusesWhatCouldHideOne) {
    const auto urls = findSheetUrls(QStringLiteral(
        "A { image: url(a.png); } B { border-image: URL( \"b c.png\" ) } /* url('d.png') */"));
    ASSERT_TRUE(urls);
    ASSERT_EQ(urls->size(), 3);
    EXPECT_EQ(urls->at(0).path, QStringLiteral("a.png"));
    EXPECT_EQ(urls->at(1).path, QStringLiteral("b c.png"));
    EXPECT_EQ(urls->at(2).path, QStringLiteral("d.png")) << "a commented url is checked too";
    EXPECT_FALSE(findSheetUrls(QStringLiteral("A { image: \\75rl(p) }"))) << "escape";
    EXPECT_FALSE(findSheetUrls(QStringLiteral("@IMPORT \"other.qss\"; A {}")));
    EXPECT_FALSE(findSheetUrls(QStringLiteral("A { image: url(a.png }")));
    EXPECT_FALSE(findSheetUrls(QStringLiteral("A { image: url(\"a.png) }")));
    EXPECT_FALSE(findSheetUrls(QStringLiteral("A { image: url() }")));
    EXPECT_FALSE(findSheetUrls(QStringLiteral("A { image: url(a b) }")));
    QString many;
    for (int i = 0; i <= kMaxSheetUrls; ++i)
        many += QStringLiteral("A { image: url(a.png) }\n");
    EXPECT_FALSE(findSheetUrls(many));
}

// A skin folder beside the program's items, with pictures in it.
class SkinUrls : public ::testing::Test {
protected:
    SkinUrls() {
        skinFolder = dir.filePath(QStringLiteral("x"));
        writeFile(dir.filePath(QStringLiteral("items.txt")), "Peru\r\n");
        writeFile(picture(QStringLiteral("face.png")), "picture bytes");
    }
    QString picture(const QString &name) const { return skinFolder + QLatin1Char('/') + name; }
    std::optional<QString> confine(const QString &url) {
        fakes::Watchdog watchdog("checking a skin's url()");
        return confineSheetUrls(
            QStringLiteral("QPushButton { image: url(") + url + QStringLiteral("); }"), skinFolder);
    }

    QTemporaryDir dir;
    QString skinFolder;
};

TEST_F(SkinUrls, PictureInTheSkinFolderIsNamedByItsFullPath) {
    const std::optional<QString> sheet = confine(QStringLiteral("face.png"));
    ASSERT_TRUE(sheet);
    const QString full = QFileInfo(picture(QStringLiteral("face.png"))).canonicalFilePath();
    EXPECT_EQ(*sheet,
              QStringLiteral("QPushButton { image: url(\"") + full + QStringLiteral("\"); }"))
        << "Qt would look for a relative name in the current folder";
    EXPECT_TRUE(confine(QStringLiteral("'") + full + QStringLiteral("'")));
    EXPECT_EQ(confineSheetUrls(QStringLiteral("A { color: red }"), skinFolder),
              QStringLiteral("A { color: red }"));
}

TEST_F(SkinUrls, FilesOutsideTheFolderMissingOrTooLargeAreRefused) {
    EXPECT_FALSE(confine(QStringLiteral("../items.txt")));
    EXPECT_FALSE(confine(dir.filePath(QStringLiteral("items.txt"))));
    EXPECT_FALSE(confine(QStringLiteral("missing.png")));
    EXPECT_FALSE(confine(QStringLiteral(".")));
#ifdef Q_OS_UNIX
    // On Windows QFile::link makes a shortcut, a plain file that nothing follows.
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("items.txt")), picture(QStringLiteral("out.png"))));
    EXPECT_FALSE(confine(QStringLiteral("out.png"))) << "a link leading out";
#endif
    writeFile(picture(QStringLiteral("big.png")), QByteArray(int(kMaxSkinPictureBytes) + 1, 'p'));
    EXPECT_FALSE(confine(QStringLiteral("big.png")));
}

#ifdef Q_OS_UNIX
TEST_F(SkinUrls, PipesAndDevicesAreRefusedEvenAsAHighResolutionVariant) {
    ASSERT_TRUE(fakes::makeFifo(picture(QStringLiteral("pipe.png"))));
    EXPECT_FALSE(confine(QStringLiteral("pipe.png")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), picture(QStringLiteral("zero.png"))));
    EXPECT_FALSE(confine(QStringLiteral("zero.png")));
    ASSERT_TRUE(fakes::makeFifo(picture(QStringLiteral("face@2x.png"))));
    EXPECT_FALSE(confine(QStringLiteral("face.png"))) << "Qt would open face@2x.png";
}

TEST(SkinPresence, PipeCountsAsAbsentAndIsNeverRead) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("x")));
    const QString pipe = dir.filePath(QStringLiteral("x/o.cjs"));
    ASSERT_TRUE(fakes::makeFifo(pipe));
    QtFileSystem files;
    fakes::Watchdog watchdog("a skin that is a pipe");
    EXPECT_FALSE(files.isNormalFile(pipe));
    QWidget window;
    SkinFramework skin(&window, 1);
    EXPECT_THROW(skin.LoadSkin(pipe, QString()), mapdata::Failure);
}
#endif

TEST(SkinFile, OversizedOrHundredThousandLineSkinFailsToLoadAtOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("o.cjs"));
    QByteArray huge = shippedSkin();
    huge += QByteArray(SkinFramework::kMaxSkinFileBytes, '\n');
    writeFile(path, huge);
    QWidget window;
    SkinFramework skin(&window, 1);
    fakes::Watchdog watchdog("a large skin");
    EXPECT_THROW(skin.LoadSkin(path, QString()), mapdata::Failure);
    writeFile(path, fakes::manyLines(100000));
    EXPECT_THROW(skin.LoadSkin(path, QString()), mapdata::Failure) << "lines without a rule";
}
