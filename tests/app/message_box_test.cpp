// The Qt message boxes the window asks its questions with: which button Enter chooses.
#include "app/toolkit/message_box.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct DefaultCase {
    const char* name;
    int (*ask)(const QString& prompt, const QString& title);
    QMessageBox::StandardButton defaultButton;
    int enterAnswers;
};

class QuestionDefaultTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(QuestionDefaultTest, EnterChoosesTheDefaultButton) {
    const DefaultCase& c = GetParam();
    QMessageBox::StandardButton seenDefault = QMessageBox::NoButton;
    QString seenTitle;
    QString seenText;
    // Once the box is open, look at it and press Enter as a user would.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seenTitle = box->windowTitle();
        seenText = box->text();
        if (box->defaultButton())
            seenDefault = box->standardButton(box->defaultButton());
        QTest::keyClick(box, Qt::Key_Return);
    });
    const int answer = c.ask(QStringLiteral("Copy it anyway?"), QStringLiteral("Question"));
    EXPECT_EQ(seenTitle, "Question");
    EXPECT_EQ(seenText, "Copy it anyway?");
    EXPECT_EQ(seenDefault, c.defaultButton);
    EXPECT_EQ(answer, c.enterAnswers);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, QuestionDefaultTest,
    ::testing::Values(DefaultCase{"YesNo",
                                  [](const QString& prompt, const QString& title) {
                                      return toolkit::messageBox().askYesNo(nullptr, prompt, title);
                                  },
                                  QMessageBox::Yes, toolkit::vbYes},
                      DefaultCase{"YesNoDefaultNo",
                                  [](const QString& prompt, const QString& title) {
                                      return toolkit::messageBox().askYesNoDefaultNo(nullptr,
                                                                                     prompt, title);
                                  },
                                  QMessageBox::No, toolkit::vbNo}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
