#include "quiz/form1.h"

#include "quiz/itemfile.h"
#include "quiz/judging.h"
#include "shell/appfiles.h"
#include "shell/errorbox.h"
#include "shell/identity.h"
#include "shell/regularfile.h"
#include "shell/startupdraw.h"
#include "shell/translations.h"

#include <QCoreApplication>

#include <limits>

namespace quiz {

//: The box shown when every name is on the map (the design runs the two sentences together).
const char *const kCompletionMessage =
    QT_TRANSLATE_NOOP("QuizWindow", "CONGRATULATIONS!THE MAP IS COMPLETE!");
//: The title of the box shown when every name is on the map.
const char *const kCompletionTitle = QT_TRANSLATE_NOOP("QuizWindow", "SUCCESS");

namespace {

void addOne(std::int16_t &count) {
    if (count == std::numeric_limits<std::int16_t>::max())
        throw mapdata::Failure::overflow();
    ++count;
}

// The first field of a split line; raises a failure when there is none.
const QString &field(const QStringList &fields, int index) {
    if (index < 0 || index >= fields.size())
        throw mapdata::Failure::subscriptOutOfRange();
    return fields.at(index);
}

mapdata::Failure unreadLinesFailure(const ItemFileReader &reader) {
    const int count = int(reader.remainingLineCount());
    QString text;
    if (reader.isCut())
        //: The item file has more lines than the pool has names, and is longer than the
        //: program reads: %n lines were counted in what was read, and more may follow.
        text = QCoreApplication::translate(
            "ErrorBox", "Too many lines: at least %n further line(s) not read", nullptr, count);
    else
        //: The item file has more lines than the pool has names: %n lines were left unread.
        text = QCoreApplication::translate(
            "ErrorBox", "Too many lines: %n further line(s) not read", nullptr, count);
    return {mapdata::Failure::subscriptOutOfRange().number(), text};
}

} // namespace

Form1::Form1(mapdata::QuizWindowDesign &design, const Form1Services &services)
    : m_design(design), m_services(services) {
    using mapdata::Control;
    m_design.piccoor.setDragDropHandler(
        [this](std::int16_t index, Control &source) { piccoor_DragDrop(index, source); });
    m_design.labels.setDragDropHandler(
        [this](std::int16_t index, Control &source) { labels_DragDrop(index, source); });
    m_design.labels.setDragOverHandler(
        [this](std::int16_t index, Control &source) { labels_DragOver(index, source); });
    m_design.form.setMouseMoveHandler([this] { Form_MouseMove(); });
    m_design.form.setClickHandler([this](QPoint twips) { Form_Click(twips); });
    m_design.form.setUnloadHandler([this](int &cancel) { Form_Unload(cancel); });
}

void Form1::Form_Load() {
    shell::ErrorTrap trap(m_services.messageBoxes, QStringLiteral("Form_Load"));
    mapdata::Form &form = m_design.form;
    const QString &folder = m_services.appFolder;

    trap.step(102,
              [&] { shell::ApplySkin(folder, m_services.files, form, m_services.SkinFramework1); });
    bool cursorPresent = false;
    trap.step(104, [&] {
        cursorPresent =
            shell::FileExists(m_services.files, shell::appPath(folder, shell::kCursorFileName));
    });
    if (cursorPresent)
        trap.step(106, [&] {
            form.setMouseIcon(
                m_services.cursors.load(shell::appPath(folder, shell::kCursorFileName)));
        });
    trap.step(108, [&] { form.setCaption(QString::fromLatin1(shell::kProductName)); });
    trap.step(108, [&] { form.setIcon(mapdata::applicationIconPicture()); });
    trap.step(108, [&] { shell::SetAppTitle(); });
    trap.step(110, [&] {
        shell::OccasionalSiteVisit(m_services.clock, m_services.random, m_services.launcher,
                                   m_services.policy);
    });
    trap.step(128, [&] { form.setBackColor(mapdata::kColorWhite); });
    trap.step(130, [&] { placedCount = 0; });
    readItemList(trap);
    makeDropZones(trap);
    trap.step(178, [&] { PushButton1_Click(); });
}

void Form1::readItemList(shell::ErrorTrap &trap) {
    shell::FileHead head;
    const bool opened = trap.step(132, [&] {
        head = m_services.files.readFile(
            shell::appPath(m_services.appFolder, shell::kItemsFileName), kMaxItemFileBytes);
    });
    // After a failed open nothing can be read: the pool keeps its design texts.
    if (!opened)
        return;
    ItemFileReader reader(std::move(head.bytes), head.cut);
    readItemLines(trap, reader);
}

void Form1::readItemLines(shell::ErrorTrap &trap, ItemFileReader &reader) {
    std::int32_t k = 0;
    trap.step(134, [&] { k = 0; });
    for (;;) {
        bool atEnd = true;
        trap.step(136, [&] { atEnd = reader.atEnd(); });
        if (atEnd)
            break;
        if (k >= kPoolSize + kReportedSurplusLines) {
            // Two boxes for every line of a long file would keep the window from ever
            // opening: one box says what was left.
            trap.step(144, [&] { throw unreadLinesFailure(reader); });
            break;
        }
        bool cut = false;
        QString line;
        trap.step(138, [&] {
            cut = reader.nextLineIsCut();
            if (cut)
                throw shell::fileTooLarge(kMaxItemFileBytes);
            line = reader.readLine();
        });
        if (cut)
            break;
        QString L;
        trap.step(140, [&] { L = line; });
        QStringList F;
        trap.step(142, [&] { F = splitFields(L); });
        // The caption is only drawn and spoken, so it is shown in the window's language; the tag,
        // the match key, stays the item file's line.
        trap.step(144, [&] { m_design.labels(k).setCaption(shell::shownPlaceName(field(F, 0))); });
        bool hasComma = false;
        trap.step(146, [&] { hasComma = F.size() > 1; });
        if (hasComma)
            trap.step(148, [&] { m_design.labels(k).setTag(L); });
        else
            trap.step(150, [&] { m_design.labels(k).setTag(field(F, 0)); });
        trap.step(152, [&] {
            if (k == std::numeric_limits<std::int32_t>::max())
                throw mapdata::Failure::overflow();
            ++k;
        });
    }
}

void Form1::makeDropZones(shell::ErrorTrap &trap) {
    for (std::int16_t z = 0; z < mapdata::kZoneCount; ++z) {
        bool loadNew = false;
        trap.step(156, [&] { loadNew = z > 0; });
        if (loadNew)
            trap.step(158, [&] { m_design.piccoor.load(z); });
        trap.step(160, [&] { m_design.shape(z).setVisible(false); });
        trap.step(162, [&] { m_design.piccoor(z).setLeft(m_design.shape(z).rect().leftTwips); });
        trap.step(164, [&] { m_design.piccoor(z).setTop(m_design.shape(z).rect().topTwips); });
        trap.step(166, [&] { m_design.piccoor(z).setWidth(m_design.shape(z).rect().widthTwips); });
        trap.step(168,
                  [&] { m_design.piccoor(z).setHeight(m_design.shape(z).rect().heightTwips); });
        trap.step(170, [&] { m_design.piccoor(z).setTag(m_design.shape(z).tag()); });
        trap.step(172, [&] { m_design.piccoor(z).setDragMode(mapdata::DragMode::Manual); });
        trap.step(174, [&] { m_design.piccoor(z).setVisible(true); });
        trap.step(176, [&] { m_design.form.bringToFront(m_design.piccoor(z)); });
    }
}

void Form1::PushButton1_Click() {
    shell::ErrorTrap trap(m_services.messageBoxes, QStringLiteral("PushButton1_Click"));
    // A fresh board holds nothing.
    putBack();
    trap.step(100, [&] { placedCount = 0; });
    for (std::int16_t i = 0; i < kPoolSize; ++i) {
        trap.step(104, [&] { m_design.maplabel(i).setVisible(false); });
        trap.step(106, [&] { m_design.labels(i).setVisible(true); });
    }
}

void Form1::PushButton2_Click() {
    shell::ErrorTrap trap(m_services.messageBoxes, QStringLiteral("PushButton2_Click"));
    trap.step(100, [&] { m_design.form.unload(); });
}

void Form1::requestSound(const char *soundName) {
    m_services.wmp1.setURL(m_services.appFolder + QLatin1String(soundName));
}

void Form1::piccoor_DragDrop(std::int16_t Index, mapdata::Control &source) {
    shell::ErrorTrap trap(m_services.messageBoxes, QStringLiteral("piccoor_DragDrop"));
    bool accepted = true;
    trap.step(106, [&] { accepted = isDropAccepted(m_design.piccoor(Index).tag(), source.tag()); });
    if (m_judged)
        m_judged(source, accepted);
    if (!accepted) {
        trap.step(130, [&] { source.setVisible(true); });
        trap.step(132, [&] { requestSound(shell::kWrongSoundName); });
        return;
    }
    trap.step(108, [&] { source.setVisible(false); });
    QStringList parts;
    trap.step(110, [&] { parts = splitFields(source.tag()); });
    trap.step(112, [&] {
        m_design.maplabel(source.index()).setCaption(shell::shownPlaceName(field(parts, 0)));
    });
    trap.step(114, [&] { m_design.maplabel(source.index()).setFontBold(true); });
    trap.step(116, [&] { m_design.maplabel(source.index()).setVisible(true); });
    trap.step(118, [&] { addOne(placedCount); });
    trap.step(120, [&] { requestSound(shell::kCorrectSoundName); });
    bool complete = false;
    trap.step(122, [&] { complete = placedCount == kPoolSize; });
    if (!complete)
        return;
    trap.step(124, [&] { requestSound(shell::kCompleteSoundName); });
    trap.step(126, [&] {
        m_services.messageBoxes.msgBox(
            QCoreApplication::translate("QuizWindow", kCompletionMessage),
            mapdata::kMsgBoxOkInformation,
            QCoreApplication::translate("QuizWindow", kCompletionTitle));
    });
    trap.step(128, [&] { PushButton1_Click(); });
}

void Form1::labels_DragOver(std::int16_t, mapdata::Control &source) {
    source.setDragIcon(m_design.Image2->picture());
}

void Form1::labels_DragDrop(std::int16_t, mapdata::Control &source) {
    source.setVisible(true);
}

void Form1::PushButton1_MouseMove() {
    m_design.form.setMousePointer(mapdata::MousePointer::Custom);
}

void Form1::PushButton2_MouseMove() {
    m_design.form.setMousePointer(mapdata::MousePointer::Custom);
}

void Form1::Form_MouseMove() {
    m_design.form.setMousePointer(mapdata::MousePointer::Default);
}

void Form1::Form_Unload(int &) {}

void Form1::Form_Click(QPoint twips) {
    mapdata::Control *target = m_design.form.hitTest(twips);
    if (target && target->array() == &m_design.labels) {
        if (target == heldName())
            putBack();
        else
            pickUp(std::int16_t(target->index()));
        return;
    }
    placeHeldAt(twips);
}

void Form1::pickUp(std::int16_t index) {
    if (!m_design.labels.contains(index))
        return;
    m_design.form.setHeld(&m_design.labels(index), m_design.Image2->picture());
}

void Form1::putBack() {
    m_design.form.setHeld(nullptr);
}

void Form1::placeHeldAt(QPoint twips) {
    mapdata::Control *name = heldName();
    if (!name)
        return;
    putBack();
    mapdata::Control *target = m_design.form.hitTest(twips);
    if (target && target->array() == &m_design.piccoor)
        piccoor_DragDrop(std::int16_t(target->index()), *name);
}

} // namespace quiz
