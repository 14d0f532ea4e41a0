#include "fakes/fakes.h"
#include "shell/errorbox.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace shell;

TEST(ErrorBox, MessageJoinsDescriptionLocationLineAndRequestExactly) {
    EXPECT_EQ(
        errorMessage(QStringLiteral("File not found"), locationText(QStringLiteral("Form_Load")),
                     132),
        QStringLiteral("File not found\r\nin Tessaline2017/04/05.Form1.Form_Load at line 132\r\r"
                       "Please email screenshot of this message to support@quelmark.example"));
    EXPECT_TRUE(errorMessage(QString(), locationText(QStringLiteral("x")), 100)
                    .startsWith(QLatin1String("\r\nin ")));
}

TEST(ErrorTrap, ReportsEachFailingStepWithItsOwnLineAndGoesOn) {
    fakes::RecordingMessageBoxes boxes;
    ErrorTrap trap(boxes, QStringLiteral("piccoor_DragDrop"));
    std::vector<int> ran;
    EXPECT_FALSE(trap.step(106, [&] { throw mapdata::Failure::overflow(); }));
    EXPECT_TRUE(trap.step(108, [&] { ran.push_back(108); }));
    EXPECT_FALSE(trap.step(110, [&] { throw std::runtime_error("plain"); }));
    EXPECT_FALSE(trap.step(112, [&] { throw std::bad_alloc(); }));
    EXPECT_EQ(ran, std::vector<int>{108});
    EXPECT_EQ(boxes.errorLines(), (std::vector<int>{106, 110, 112}));
    ASSERT_EQ(boxes.calls.size(), 3u);
    EXPECT_TRUE(boxes.calls[0].prompt.startsWith(
        QLatin1String("Overflow\r\nin Tessaline2017/04/05.Form1.piccoor_DragDrop at line 106")));
    EXPECT_TRUE(boxes.calls[1].prompt.startsWith(QLatin1String("plain\r\n")));
    EXPECT_TRUE(boxes.calls[2].prompt.startsWith(QLatin1String("Out of memory\r\n")));
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("Application Error"));
    EXPECT_EQ(boxes.calls[0].style, mapdata::kMsgBoxOkExclamation);
}
