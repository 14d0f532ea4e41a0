#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/media/soundplayer.h"
#include "mapdata/toolkit/messagebox.h"
#include "shell/cursorfile.h"
#include "shell/platform.h"
#include "shell/skin.h"

#include <QPoint>
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

// What the quiz window reaches outside itself. main() makes the real services; tests pass
// recording fakes. Every one is always there.
struct Form1Services {
    QString appFolder;
    mapdata::MessageBoxes &messageBoxes;
    mapdata::SoundPlayer &wmp1;
    shell::FileSystem &files;
    shell::Clock &clock;
    shell::RandomSource &random;
    shell::Launcher &launcher;
    shell::DispatchObject &SkinFramework1;
    shell::CursorLoader &cursors;
    const shell::MachinePolicy &policy;
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

    // Playing without dragging. A name is picked up, then placed by judging it as a drop at a
    // point: piccoor_DragDrop of the zone in front there, exactly as a drop would be.
    // A click on the window's surface (a press and release in one place).
    void Form_Click(QPoint twips);
    // Holds pool name index instead of any other; a placed (hidden) name cannot be held.
    void pickUp(std::int16_t index);
    // The held name goes back to the pool, nothing else changes.
    void putBack();
    // Judges the held name as dropped at a point; where no zone lies it is put back.
    void placeHeldAt(QPoint twips);
    // The name being held, if any: the window's one state besides placedCount.
    mapdata::Control *heldName() const { return m_design.form.held(); }

    // Told the verdict of every judged drop, whichever way it was made, before the drop's
    // steps run.
    using JudgedHandler = std::function<void(const mapdata::Control &name, bool accepted)>;
    void setJudgedHandler(JudgedHandler handler) { m_judged = std::move(handler); }

    // Names placed correctly since the last board reset.
    std::int16_t placedCount = 0;

private:
    void readItemList(shell::ErrorTrap &trap);
    void readItemLines(shell::ErrorTrap &trap, ItemFileReader &reader);
    void makeDropZones(shell::ErrorTrap &trap);
    void requestSound(const char *soundName);

    mapdata::QuizWindowDesign &m_design;
    Form1Services m_services;
    JudgedHandler m_judged;
};

} // namespace quiz
