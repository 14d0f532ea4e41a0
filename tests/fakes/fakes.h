#pragma once

#include "mapdata/media/soundplayer.h"
#include "mapdata/toolkit/failure.h"
#include "mapdata/toolkit/messagebox.h"
#include "shell/cursorfile.h"
#include "shell/platform.h"
#include "shell/skin.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace fakes {

struct MessageBoxCall {
    QString prompt;
    int style = 0;
    QString title;
};

// Records every box instead of showing it; a hook can act while the box is "up".
class RecordingMessageBoxes : public mapdata::MessageBoxes {
public:
    void msgBox(const QString &prompt, int style, const QString &title) override {
        calls.push_back({prompt, style, title});
        if (whileShown)
            whileShown(calls.back());
    }
    // The "at line N" numbers of the error boxes, in order.
    std::vector<int> errorLines() const;
    // Error boxes whose location names the handler.
    int errorCount(const QString &handler = QString()) const;

    std::vector<MessageBoxCall> calls;
    std::function<void(const MessageBoxCall &)> whileShown;
};

class RecordingSoundPlayer : public mapdata::SoundPlayer {
public:
    void setURL(const QString &url) override {
        m_url = url;
        requests.push_back(url);
    }
    QString URL() const override { return m_url; }
    // The requested sounds by their file names ("correct", "wrong", "complete").
    QStringList soundNames() const;

    QStringList requests;

private:
    QString m_url;
};

// On Windows the program joins the application folder and its relative names with
// backslashes ("/app\items.txt"). The fakes key and record paths with forward slashes, so
// that a test names a file the same way on every platform.
inline QString withSlashes(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// Files held in memory; folders and unreadable files can be named too.
class FakeFileSystem : public shell::FileSystem {
public:
    bool hasModificationTime(const QString &anyPath) const override {
        const QString path = withSlashes(anyPath);
        return files.contains(path) || folders.contains(path) || unreadable.contains(path) ||
               notRegular.contains(path);
    }
    bool isNormalFile(const QString &anyPath) const override {
        const QString path = withSlashes(anyPath);
        return (files.contains(path) || unreadable.contains(path)) && !hidden.contains(path);
    }
    shell::FileHead readFile(const QString &anyPath, qsizetype maxBytes) const override {
        const QString path = withSlashes(anyPath);
        if (folders.contains(path) || notRegular.contains(path))
            throw mapdata::Failure::pathFileAccessError();
        if (unreadable.contains(path))
            throw mapdata::Failure::permissionDenied();
        auto it = files.find(path);
        if (it == files.end())
            throw mapdata::Failure::fileNotFound();
        return {it->left(maxBytes), it->size() > maxBytes};
    }

    QMap<QString, QByteArray> files;
    QSet<QString> folders;
    QSet<QString> unreadable;
    QSet<QString> hidden;
    // Pipes, devices and sockets: they have a modification time but are no file to read.
    QSet<QString> notRegular;
};

class FakeClock : public shell::Clock {
public:
    double secondsSinceMidnight() const override { return seconds; }
    double seconds = 0.0;
};

// Gives the values it is told to, and remembers its seeds.
class ScriptedRandom : public shell::RandomSource {
public:
    void randomize(float seed) override { seeds.push_back(seed); }
    float next() override {
        ++draws;
        return value;
    }
    float value = 0.5f;
    std::vector<float> seeds;
    int draws = 0;
};

class RecordingLauncher : public shell::Launcher {
public:
    bool openWebAddress(const QString &address) override {
        opened.push_back(address);
        return succeeds;
    }
    QStringList opened;
    bool succeeds = true;
};

// A machine policy as a test sets it; counts how often it is read.
class FakeMachinePolicy : public shell::MachinePolicy {
public:
    bool siteVisitAllowed() const override {
        ++reads;
        return allowsSiteVisit;
    }
    bool allowsSiteVisit = true;
    mutable int reads = 0;
};

// Remembers the paths it is asked for and gives no picture: the real reader is tested on
// real files.
class RecordingCursorLoader : public shell::CursorLoader {
public:
    mapdata::PointerPicture load(const QString &path) override {
        loads << withSlashes(path);
        return {};
    }
    QStringList loads;
};

struct DispatchCall {
    QString kind; // "invoke", "get" or "set"
    int dispId = 0;
    QVariantList arguments;
};

class RecordingSkin : public shell::DispatchObject {
public:
    QVariant invoke(int dispId, const QVariantList &arguments) override {
        calls.push_back({QStringLiteral("invoke"), dispId, arguments});
        if (dispId == failOnInvoke)
            throw mapdata::Failure(380, QStringLiteral("Invalid skin file"));
        return true;
    }
    QVariant property(int dispId) override {
        calls.push_back({QStringLiteral("get"), dispId, {}});
        return dispId == shell::kSkinDispOptions ? QVariant(options) : QVariant(false);
    }
    void setProperty(int dispId, const QVariant &value) override {
        calls.push_back({QStringLiteral("set"), dispId, {value}});
        if (dispId == shell::kSkinDispOptions)
            options = value.toInt();
    }
    std::vector<DispatchCall> calls;
    std::int32_t options = 0;
    int failOnInvoke = -1;
};

} // namespace fakes
