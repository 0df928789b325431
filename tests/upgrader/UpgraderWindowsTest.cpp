// The upgrader's windows on their real pictures from the run tree: what they
// show, what their buttons answer, and a screenshot of each in
// screenshots/upgrader/ of the build folder.

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "option/layout/UpgraderLayout.h"
#include "option/skin/SkinImages.h"
#include "upgrader/app/MessageDialog.h"
#include "upgrader/app/UpgraderDialog.h"

namespace upgrader::app {
namespace {

namespace layout = option::layout;

// A click on whatever control of `window` lies at `at`.
void clickAt(QWidget* window, QPoint at)
{
    QWidget* control = window->childAt(at);
    ASSERT_NE(control, nullptr) << at.x() << "," << at.y();
    QTest::mouseClick(control, Qt::LeftButton, {}, control->mapFrom(window, at));
}

class UpgraderWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        option::skin::setImageFolder(QStringLiteral(ZURO_DIST_DIR "/FWUpdateB/"));
        QDir().mkpath(folder);
    }
    void TearDown() override { option::skin::setImageFolder({}); }

    void save(QWidget& window, const QString& name)
    {
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(window.grab().save(folder + name + ".png"));
    }

    const QString folder = QStringLiteral(ZURO_SCREENSHOT_DIR "/upgrader/");
};

TEST_F(UpgraderWindows, MainDialogShowsFileVersionAndProgressAndIgnoresEscape)
{
    UpgraderDialog dialog;
    EXPECT_EQ(dialog.size(), QSize(layout::upgrader::kWindow.width, layout::upgrader::kWindow.height));
    EXPECT_FALSE(dialog.mask().isEmpty()) << "shaped by its mask picture";
    EXPECT_FALSE(dialog.mask().contains(QPoint(0, 0)));
    dialog.setImagePath(QStringLiteral("/opt/zuro/FWUpdateB/ZuroNoxa_FW108.bin"));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("ZuroNoxa_FW108.bin"));
    dialog.setDeviceVersionText(QStringLiteral("1.07"));
    dialog.setProgressRange(4);
    dialog.setProgress(9);
    EXPECT_EQ(dialog.progress(), 4) << "a position past the range is held at its end";
    dialog.setProgress(3);

    QSignalSpy exits(&dialog, &UpgraderDialog::exitRequested);
    save(dialog, QStringLiteral("main"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
    clickAt(&dialog, QPoint(508, 15));  // the exit button
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(UpgraderWindows, MessageDialogsAnswerWithTheirButtons)
{
    struct Case {
        DialogKind kind;
        const char* name;
        QPoint button;
        DialogAnswer answer;
    };
    const Case cases[] = {{DialogKind::Confirm, "confirm", {214, 138}, DialogAnswer::Cancel},
                          {DialogKind::Notice, "notice", {180, 138}, DialogAnswer::Ok},
                          {DialogKind::Success, "success", {180, 138}, DialogAnswer::Ok},
                          {DialogKind::Failure, "failure", {180, 138}, DialogAnswer::Ok}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* dialog = new MessageDialog(c.kind);
        EXPECT_EQ(dialog->size(), QSize(360, 166));
        EXPECT_EQ(dialog->windowTitle(), dialogTitle(c.kind));
        QSignalSpy answers(dialog, &MessageDialog::answered);
        save(*dialog, QString::fromLatin1(c.name));
        clickAt(dialog, c.button);
        ASSERT_EQ(answers.count(), 1);
        EXPECT_EQ(answers.first().first().value<DialogAnswer>(), c.answer);
        EXPECT_FALSE(dialog->isVisible());
        QApplication::processEvents();  // deleted on close
    }
    auto* confirm = new MessageDialog(DialogKind::Confirm);
    QSignalSpy answers(confirm, &MessageDialog::answered);
    confirm->show();
    clickAt(confirm, QPoint(126, 138));
    ASSERT_EQ(answers.count(), 1);
    EXPECT_EQ(answers.first().first().value<DialogAnswer>(), DialogAnswer::Ok);
}

}  // namespace
}  // namespace upgrader::app
