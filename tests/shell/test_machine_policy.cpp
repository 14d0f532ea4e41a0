#include "shell/qtplatform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>

// The real policy reader against the policy as an administrator writes it: the registry key on
// Windows, a settings file in a system-wide folder elsewhere.
namespace {

#if defined(Q_OS_WIN)

const char *const kPolicyKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Quelmark\\Tessaline";

// Writes the policy value into the machine's registry (the tests' own Wine prefix in CI), or
// takes it away; false where the machine refuses (no administrator rights).
bool setPolicy(const std::optional<QVariant> &siteVisit) {
    QSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies"), QSettings::NativeFormat)
        .remove(QStringLiteral("Quelmark"));
    if (!siteVisit)
        return true;
    QSettings key(QLatin1String(kPolicyKey), QSettings::NativeFormat);
    key.setValue(QStringLiteral("SiteVisit"), *siteVisit);
    key.sync();
    return key.status() == QSettings::NoError && key.value(QStringLiteral("SiteVisit")).isValid();
}

class MachinePolicyStore : public ::testing::Test {
protected:
    void TearDown() override { setPolicy(std::nullopt); }
    bool set(const std::optional<QVariant> &siteVisit) { return setPolicy(siteVisit); }
    QStringList written() const { return {}; }
};

#else

// The system-wide settings folder is pointed at a folder of the test's own.
class MachinePolicyStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    // Each case in a folder of its own: QSettings keeps a file it has read while its size and
    // time stay the same, and "SiteVisit=0" rewritten as "SiteVisit=1" within a tick keeps both.
    bool set(const std::optional<QVariant> &siteVisit) {
        const QString root = m_dir.filePath(QString::number(++m_round));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root);
        // The pupil's own settings count for nothing, whatever they ask for.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           root + QStringLiteral("/user"));
        return write(root + QStringLiteral("/user/Policies/Quelmark"), "1") &&
               (!siteVisit ||
                write(root + QStringLiteral("/Policies/Quelmark"), siteVisit->toString().toUtf8()));
    }
    static bool write(const QString &folder, const QByteArray &siteVisit) {
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/Tessaline.conf"));
        return file.open(QIODevice::WriteOnly) &&
               file.write("[General]\nSiteVisit=" + siteVisit + "\n") > 0;
    }
    // Every file under the settings folder, to see that reading wrote nothing.
    QStringList written() const {
        QStringList files;
        QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        return files;
    }

private:
    QTemporaryDir m_dir;
    int m_round = 0;
};

#endif

} // namespace

TEST_F(MachinePolicyStore, OnlyASiteVisitOfZeroTurnsTheVisitOff) {
    const struct {
        std::optional<QVariant> siteVisit;
        bool allowed;
    } cases[] = {{std::nullopt, true},
                 {QVariant(0), false},
                 {QVariant(1), true},
                 {QVariant(QStringLiteral("never")), true}};
    for (const auto &c : cases) {
        const QString shown = c.siteVisit ? c.siteVisit->toString() : QStringLiteral("none");
        if (!set(c.siteVisit))
            GTEST_SKIP() << "the machine-wide settings cannot be written here";
        const QStringList before = written();
        EXPECT_EQ(shell::QtMachinePolicy().siteVisitAllowed(), c.allowed) << shown.toStdString();
        EXPECT_EQ(written(), before) << "reading the policy writes nothing";
    }
}
