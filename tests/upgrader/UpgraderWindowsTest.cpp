// The upgrader's windows on their real pictures from the run tree, with a
// screenshot of each in screenshots/upgrader/ of the build folder. Their
// buttons are clicked end to end (tests/upgrader_e2e).

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

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

TEST_F(UpgraderWindows, MessageDialogsShowTheirPictures)
{
    for (const auto& [kind, name] : {std::pair{DialogKind::Confirm, "confirm"}, std::pair{DialogKind::Notice, "notice"},
                                     std::pair{DialogKind::Success, "success"}, std::pair{DialogKind::Failure, "failure"}}) {
        MessageDialog dialog(kind);
        EXPECT_FALSE(dialog.background().isNull()) << name;
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        save(dialog, QString::fromLatin1(name));
    }
}

}  // namespace
}  // namespace upgrader::app
