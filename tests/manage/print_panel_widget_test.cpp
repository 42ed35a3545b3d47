// The print panel in the create screen on Qt's offscreen platform: opened from the selection,
// boxes clicked, pages stepped, printing that holds the preview back, and back to the list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "manage/create_screen.h"
#include "manage/create_state.h"
#include "manage/print_panel.h"
#include "solve/solve_screen.h"
#include "storage/settings.h"
#include "support/recording_canvas.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

using enum TPuzzleSize;

TEST(PrintPanelWidget, OpensFromTheSelectionPrintsAndReturns) {
    const auto blank = std::make_unique<TAppData>();
    AppData() = *blank;
    TDataFileRecord& file = AppData().File;
    for (TPuzzleSize size : {Mini, Medium}) {
        test::AddSamplePuzzle(file.Library, file.Settings.LastPuzzleId, size, 1);
    }
    file.Settings.PrintPuzzles = 2;
    file.Settings.PrintAnswers = 1;

    test::TScriptedMessages messages;
    TProgramFonts fonts;
    TfrmCreate screen(fonts, messages, 20);
    screen.resize(1000, 660);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    screen.State().SelectAll();
    screen.bnPrintOptions->setEnabled(true);
    QTest::mouseClick(screen.bnPrintOptions, Qt::LeftButton);
    TPanelPrint& panel = *screen.PanelPrint;
    ASSERT_TRUE(panel.isVisible());
    EXPECT_FALSE(screen.PanelMain->isVisible());
    EXPECT_EQ(panel.PanelPageNum->text().toStdString(), "Print Preview : Page 1 of 4");
    EXPECT_FALSE(panel.bnPrev->isEnabled());
    // Page 1 (four to a page) is previewed across, page 2 (two) upright.
    EXPECT_GT(panel.pbPrint->width(), panel.pbPrint->height());
    QTest::mouseClick(panel.bnNext, Qt::LeftButton);
    EXPECT_LT(panel.pbPrint->width(), panel.pbPrint->height());
    EXPECT_TRUE(panel.bnPrev->isEnabled());

    // The preview paints nothing while the pages go out; afterwards page 1 again.
    bool sent = false;
    panel.PrintPages = [&](const TPageSource& source, bool& printing) {
        printing = true;
        test::TRecordingCanvas canvas;
        panel.State().PaintPreview(canvas, 200, 100);
        EXPECT_TRUE(canvas.Calls.empty());
        EXPECT_EQ(source.Plan->PageCount, 4);
        sent = true;
        printing = false;
        return true;
    };
    QTest::mouseClick(panel.bnPrint, Qt::LeftButton);
    EXPECT_TRUE(sent);
    EXPECT_EQ(panel.PanelPageNum->text().toStdString(), "Print Preview : Page 1 of 4");

    // A picture checks its radio button; clearing every box hides the preview.
    QTest::mouseClick(panel.imgColor[3], Qt::LeftButton);
    EXPECT_TRUE(panel.rbColor[3]->isChecked());
    EXPECT_EQ(file.Settings.PrintColors, 4);
    for (QCheckBox* box : {panel.cbPuzzles2, panel.cbAnswers1}) {
        QTest::mouseClick(box, Qt::LeftButton);
    }
    EXPECT_FALSE(panel.PanelPreview->isVisible());

    QTest::mouseClick(panel.bnReturn, Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(screen.PanelMain->isVisible());
    EXPECT_EQ(screen.State().SelectedCount(), 2);
}

TEST(PrintPanelWidget, SolveScreenPrintButtonsAskHowToPrintAPrintablePuzzle) {
    const auto blank = std::make_unique<TAppData>();
    AppData() = *blank;
    TAppData& app = AppData();
    test::AddSamplePuzzle(app.File.Library, app.File.Settings.LastPuzzleId, Small, 3);
    app.File.Settings.CurrentPuzzleId = 1;
    test::TScriptedMessages messages;
    TProgramFonts fonts;
    TfrmSolve screen(fonts, messages, 20);
    screen.resize(900, 560);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    ASSERT_EQ(app.Work.CurrentSlot, 1);

    messages.Answers = {kResultCancel};
    QTest::mouseClick(screen.bnPrint1, Qt::LeftButton);
    EXPECT_EQ(messages.Shown.size(), 1u);

    // A slot that cannot be printed asks nothing.
    app.File.Library.Info(1).Difficulty = 0;
    QTest::mouseClick(screen.bnPrint1, Qt::LeftButton);
    EXPECT_EQ(messages.Shown.size(), 1u);
}

}  // namespace
}  // namespace xs
