#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/media/soundplayer.h"
#include "mapdata/toolkit/messagebox.h"
#include "shell/platform.h"
#include "shell/skin.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace shell {
class ErrorTrap;
}

namespace quiz {

class ItemFileReader;

// Every name placed: the map is complete.
constexpr std::int16_t kPoolSize = 28;
// Surplus lines of the item list that are read and reported one by one (two boxes each);
// past them reading stops and one box tells how many lines were left unread.
constexpr int kReportedSurplusLines = 2;

extern const char *const kCompletionMessage;
extern const char *const kCompletionTitle;

// What the quiz window reaches outside itself.
struct Form1Services {
    QString appFolder;
    mapdata::MessageBoxes *messageBoxes = nullptr;
    mapdata::SoundPlayer *wmp1 = nullptr;
    shell::FileSystem *files = nullptr;
    shell::Clock *clock = nullptr;
    shell::RandomSource *random = nullptr;
    shell::Launcher *launcher = nullptr;
    shell::DispatchObject *SkinFramework1 = nullptr;
    // Reads a cursor file into a pointer picture; raises a failure for a file that is no cursor.
    std::function<mapdata::PointerPicture(const QString &path)> loadCursor;
    std::function<std::int32_t()> windowHandle;
};

// The quiz window's handlers. All state is the window's: its controls and placedCount.
class Form1 {
public:
    Form1(mapdata::QuizWindowDesign &design, const Form1Services &services);
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    mapdata::QuizWindowDesign &design() const { return m_design; }

    void Form_Load();
    void PushButton1_Click();
    void PushButton2_Click();
    void piccoor_DragDrop(std::int16_t Index, mapdata::Control &source);
    void labels_DragOver(std::int16_t Index, mapdata::Control &source);
    void labels_DragDrop(std::int16_t Index, mapdata::Control &source);
    void PushButton1_MouseMove();
    void PushButton2_MouseMove();
    void Form_MouseMove();
    void Form_Unload(int &cancel);

    // Names placed correctly since the last board reset.
    std::int16_t placedCount = 0;

private:
    void readItemList(shell::ErrorTrap &trap);
    void readItemLines(shell::ErrorTrap &trap, ItemFileReader &reader);
    void makeDropZones(shell::ErrorTrap &trap);
    void requestSound(const char *soundName);

    mapdata::QuizWindowDesign &m_design;
    Form1Services m_services;
};

} // namespace quiz
