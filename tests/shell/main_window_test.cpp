// Tests of the main window: tool-bar numbers, start-up, screen switching, the save prompt and
// closing.
#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include "hints/hints.h"
#include "shell/main_state.h"
#include "shell/main_window.h"
#include "shell/shell_test_support.h"
#include "solve/solve_screen.h"

using namespace xs;
using xs::test::TScriptedMessages;

namespace {

const TScreenMetrics kScreen = xs::test::Screen(1280, 1024, 994);
const TWindowRect kStored{40, 30, 1000, 720};

QRect ToQRect(const TBounds& r) {
    return {r.Left, r.Top, r.Width, r.Height};
}

// A White square of the sample puzzle in slot 1.
TSquare& SampleSquare() {
    return AppData().Work.CurrentPuzzle.Sq[1][1];
}

}  // namespace

class TMainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        xs::test::ResetAppData();
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        Paths = xs::test::PathsIn(*Dir);
    }

    void ToolBarHeightGrowsWithTheWindow_data() {
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<int>("expected");
        QTest::newRow("small") << 560 << 38;
        QTest::newRow("630") << 630 << 38;
        QTest::newRow("640") << 640 << 39;
        QTest::newRow("729") << 729 << 47;
        QTest::newRow("730") << 730 << 48;
        QTest::newRow("huge") << 1400 << 48;
    }
    void ToolBarHeightGrowsWithTheWindow() {
        QFETCH(int, clientHeight);
        QFETCH(int, expected);
        const TToolBarLayout bar = LayoutToolBar(1000, clientHeight);
        QCOMPARE(bar.Height, expected);
        QCOMPARE(bar.Tools.Height, expected);
        for (const TBounds& b : bar.Buttons) QCOMPARE(b.Height, expected - 8);
    }

    void ToolBarButtonsShareTheWidth() {
        // 1100 wide: the two wide buttons 40 wider than their base width; the six of the
        // right-hand group share their block, 4 pixels apart.
        const TToolBarLayout wide = LayoutToolBar(1100, 700);
        QCOMPARE(wide.Buttons[0].Width, 202);
        QCOMPARE(wide.Buttons[1].Width, 202);
        for (int b = 2; b < kToolButtonCount; ++b) QCOMPARE(wide.Buttons[b].Width, 107);

        // 800 wide: the gaps worked out by hand.
        const TToolBarLayout base = LayoutToolBar(800, 600);
        const int lefts[kToolButtonCount] = {5, 172, 344, 420, 496, 572, 648, 724};
        for (int b = 0; b < kToolButtonCount; ++b) QCOMPARE(base.Buttons[b].Left, lefts[b]);
        QCOMPARE(base.Tools, (TBounds{339, 0, 462, 38}));

        // Every layout keeps the buttons in order, apart, and the right group on its block.
        for (int width = 792; width <= 2000; width += 37) {
            const TToolBarLayout bar = LayoutToolBar(width, 800);
            for (int b = 1; b < kToolButtonCount; ++b) {
                QVERIFY(bar.Buttons[b].Left > bar.Buttons[b - 1].Left + bar.Buttons[b - 1].Width);
            }
            QVERIFY(bar.Buttons[2].Left > bar.Tools.Left);
            QVERIFY(bar.Buttons[7].Left + bar.Buttons[7].Width <= width);
            QCOMPARE(bar.Tools.Left + bar.Tools.Width, width + 1);
        }
    }

    void ScreenAreaFillsTheWindowBelowTheToolBar_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("1000x720") << 1000 << 720 << QRect(0, 47, 1000, 673);
        QTest::newRow("800x600") << 800 << 600 << QRect(0, 38, 800, 562);
        QTest::newRow("too small") << 600 << 400 << QRect(0, 38, 792, 513);
    }
    void ScreenAreaFillsTheWindowBelowTheToolBar() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QRect, expected);
        QCOMPARE(ToQRect(ScreenAreaFor(width, height)), expected);
    }

    void FirstStartWalksThroughTheHintsWithTheToolBarCovered() {
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        QVERIFY(messages.Shown.empty());
        QCOMPARE(main->size(), QSize(1260, 960));  // the default size for this screen
        QCOMPARE(main->CurrentScreen(), TScreenId::Hints);
        QVERIFY(main->frmHints->isVisible());
        QVERIFY(!main->frmSolve->isVisible());
        QVERIFY(main->FirstRunOverview());
        QVERIFY(main->PanelHide->isVisible());
        QCOMPARE(main->lblHintsOverview->text(), QString::fromUtf8(kOverviewCaptions[0]));
        // Nothing of the tool bar can be reached.
        for (QPushButton* button : main->ToolButtons) {
            QWidget* hit = main->PanelToolBar->childAt(button->geometry().center());
            QVERIFY(hit == main->PanelHide || hit == main->lblHintsOverview);
        }
        QVERIFY(!main->frmHints->PanelSelect->isVisible());
        QVERIFY(!main->frmHints->bnOverviewPrev->isVisible());

        // F2 cannot leave the overview either.
        QTest::keyClick(main.get(), Qt::Key_F2);
        QCOMPARE(main->CurrentScreen(), TScreenId::Hints);

        for (int page = 2; page <= kHintsPages; ++page) {
            QTest::mouseClick(main->frmHints->bnOverviewNext, Qt::LeftButton);
            QCOMPARE(main->frmHints->State().Page(), page);
            QCOMPARE(main->lblHintsOverview->text(),
                     QString::fromUtf8(kOverviewCaptions[page - 1]));
            QVERIFY(main->frmHints->bnOverviewPrev->isVisible());
        }
        QTest::mouseClick(main->frmHints->bnOverviewPrev, Qt::LeftButton);
        QCOMPARE(main->frmHints->State().Page(), 5);
        QTest::mouseClick(main->frmHints->bnOverviewNext, Qt::LeftButton);

        QTest::mouseClick(main->frmHints->bnOverviewNext, Qt::LeftButton);
        QCOMPARE(main->CurrentScreen(), TScreenId::Solve);
        QVERIFY(main->frmSolve->isVisible());
        QVERIFY(!main->frmHints->isVisible());
        QVERIFY(!main->PanelHide->isVisible());
        QVERIFY(!main->FirstRunOverview());
        for (QPushButton* button : main->ToolButtons) {
            QCOMPARE(main->PanelToolBar->childAt(button->geometry().center()), button);
        }

        // Afterwards the hints screen opens with its tab bar.
        QTest::mouseClick(main->bnHints, Qt::LeftButton);
        QVERIFY(main->frmHints->PanelSelect->isVisible());
        QVERIFY(!main->frmHints->PanelOverview->isVisible());
        QVERIFY(!main->PanelHide->isVisible());
    }

    void ValidFileRestoresTheWindow() {
        xs::test::WriteValidFile(Paths, kStored, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        QVERIFY(messages.Shown.empty());
        QCOMPARE(main->geometry().size(), QSize(kStored.Width, kStored.Height));
        QCOMPARE(main->pos(), QPoint(kStored.Left, kStored.Top));
        QCOMPARE(main->CurrentScreen(), TScreenId::Solve);
        QVERIFY(main->frmSolve->isVisible());
        QVERIFY(!main->PanelHide->isVisible());
        QVERIFY(main->PanelToolBar->isVisible());
        QCOMPARE(main->frmSolve->geometry(), ToQRect(main->ScreenArea()));
        QCOMPARE(main->Fonts().General.Points, 10);
    }

    void StoredWindowOpensWhereItsTopEdgeShows_data() {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<bool>("leftMonitor");  // a 1920 x 1080 screen left of the main one
        QTest::addColumn<QPoint>("opened");
        const QPoint centred(140, 152);  // 1000 x 720 on 1280 x 1024
        QTest::newRow("on the screen") << QPoint(40, 30) << false << QPoint(40, 30);
        QTest::newRow("one pixel of the edge left of the screen")
            << QPoint(-999, 30) << false << QPoint(-999, 30);
        QTest::newRow("edge ends at the screen's left") << QPoint(-1000, 30) << false << centred;
        QTest::newRow("top on the last row") << QPoint(40, 1023) << false << QPoint(40, 1023);
        QTest::newRow("top just below the screen") << QPoint(40, 1024) << false << centred;
        QTest::newRow("top just above the screen") << QPoint(40, -1) << false << centred;
        QTest::newRow("far off") << QPoint(-3000, -3000) << false << centred;
        QTest::newRow("on the left monitor") << QPoint(-1500, 100) << true << QPoint(-1500, 100);
        QTest::newRow("left monitor gone") << QPoint(-1500, 100) << false << centred;
        QTest::newRow("beyond the left monitor") << QPoint(-2920, 100) << true << centred;
    }
    void StoredWindowOpensWhereItsTopEdgeShows() {
        QFETCH(QPoint, stored);
        QFETCH(bool, leftMonitor);
        QFETCH(QPoint, opened);
        std::vector<TBounds> screens{{0, 0, 1280, 1024}};
        if (leftMonitor) screens.push_back({-1920, 0, 1920, 1080});
        const TWindowRect w = PlaceWhereSeen({stored.x(), stored.y(), 1000, 720}, screens, kScreen);
        QCOMPARE(QPoint(w.Left, w.Top), opened);
        QCOMPARE(QSize(w.Width, w.Height), QSize(1000, 720));
    }

    void MessagesWaitWhileTheWindowBuildsItself() {
        TScriptedMessages messages;
        std::vector<bool> told;
        TMainWindowDeps deps;
        deps.Paths = Paths;
        deps.Messages = &messages;
        deps.Screen = kScreen;
        deps.MainReadyChanged = [&](bool ready) { told.push_back(ready); };
        TfrmMain main(deps);
        QCOMPARE(told, (std::vector<bool>{false, true}));
    }

    void WindowStoredOutOfReachOpensCentred() {
        xs::test::WriteValidFile(Paths, {-3000, -3000, 1000, 720}, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        QCOMPARE(main->geometry().size(), QSize(1000, 720));
        QCOMPARE(main->pos(), QPoint(140, 152));
    }

    void UnreadableFileTakesTheFirstRunPath() {
        QFile shortFile(Paths.DataFile);
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(QByteArray(1000, '\1'));
        shortFile.close();
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        QCOMPARE(main->CurrentScreen(), TScreenId::Hints);
        QVERIFY(main->PanelHide->isVisible());
    }

    void ExtraLargeFontsGetANotice() {
        xs::test::WriteValidFile(Paths, kStored, 1);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages,
                                        xs::test::Screen(1280, 1024, 994, TFontClass::ExtraLarge));
        QVERIFY(main);
        QCOMPARE(messages.Shown.size(), std::size_t{1});
        QCOMPARE(messages.Shown[0], std::string(kExtraLargeFontsText));
        QCOMPARE(main->RadioIndent(), 30);
    }

    void ScreenButtonsSwitchScreensAndMoveTheHighlight_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("screen");
        QTest::newRow("create") << int(TToolButton::Create) << int(TScreenId::Create);
        QTest::newRow("setup") << int(TToolButton::Setup) << int(TScreenId::Setup);
        QTest::newRow("hints") << int(TToolButton::Hints) << int(TScreenId::Hints);
        QTest::newRow("about") << int(TToolButton::About) << int(TScreenId::About);
        QTest::newRow("solve") << int(TToolButton::Solve) << int(TScreenId::Solve);
    }
    void ScreenButtonsSwitchScreensAndMoveTheHighlight() {
        QFETCH(int, button);
        QFETCH(int, screen);
        xs::test::WriteValidFile(Paths, kStored, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        // Start from another screen so that every row is a real switch.
        main->ChangeScreen(button == int(TToolButton::Create) ? TScreenId::Setup
                                                              : TScreenId::Create);

        QPushButton* bn = main->ToolButtons[button];
        QTest::mouseClick(bn, Qt::LeftButton);
        QCOMPARE(int(main->CurrentScreen()), screen);
        for (TScreenId id : {TScreenId::Solve, TScreenId::Create, TScreenId::Setup,
                             TScreenId::Hints, TScreenId::About}) {
            QCOMPARE(main->ScreenWidget(id)->isVisible(), int(id) == screen);
        }
        QCOMPARE(main->ScreenWidget(TScreenId(screen))->geometry(), ToQRect(main->ScreenArea()));
        QCOMPARE(main->shpHighlight->geometry(), bn->geometry().adjusted(-4, -4, 4, 4));

        // The highlight follows its button when the window is resized.
        main->resize(1200, 900);
        QTRY_COMPARE(main->shpHighlight->geometry(), bn->geometry().adjusted(-4, -4, 4, 4));
        QCOMPARE(main->ScreenWidget(TScreenId(screen))->geometry(), ToQRect(main->ScreenArea()));
        QCOMPARE(main->ScreenArea().Width, 1200);
    }

    void SavePromptOnlyWhenLeavingUnsavedProgress_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("prompt");
        for (TToolButton b : {TToolButton::Solve, TToolButton::Create, TToolButton::Setup,
                              TToolButton::Hints, TToolButton::About}) {
            const char* caption = kToolButtonTexts[static_cast<int>(b)].Caption;
            QTest::addRow("%s, modified", caption) << int(b) << true << true;
            QTest::addRow("%s, unchanged", caption) << int(b) << false << false;
        }
        QTest::newRow("help, modified") << int(TToolButton::Help) << true << false;
        QTest::newRow("F2, modified") << -1 << true << true;
    }
    void SavePromptOnlyWhenLeavingUnsavedProgress() {
        QFETCH(int, button);
        QFETCH(bool, modified);
        QFETCH(bool, prompt);
        xs::test::WriteValidFile(Paths, kStored, 2);
        TScriptedMessages messages;
        int helpCalls = 0;
        auto main = xs::test::StartMain(Paths, messages, kScreen, &helpCalls);
        QVERIFY(main);
        if (modified) SampleSquare().Entry = 4;

        if (button < 0) {
            QTest::keyClick(main.get(), Qt::Key_F2);
            QCOMPARE(main->CurrentScreen(), TScreenId::About);
        } else {
            QTest::mouseClick(main->ToolButtons[button], Qt::LeftButton);
        }
        const bool shown = !messages.Shown.empty();
        QCOMPARE(shown, prompt);
        if (prompt) QCOMPARE(messages.Shown[0], std::string(kUnsavedChangesText));
        if (button == int(TToolButton::Help)) QCOMPARE(helpCalls, 1);
    }

    void SavePromptAnswers_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("storedEntry");
        QTest::newRow("save") << OptionResult(0) << 4;
        QTest::newRow("cancel the changes") << OptionResult(1) << 0;
    }
    void SavePromptAnswers() {
        QFETCH(int, answer);
        QFETCH(int, storedEntry);
        xs::test::WriteValidFile(Paths, kStored, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        SampleSquare().Entry = 4;
        messages.Answers = {answer};
        QTest::mouseClick(main->bnCreate, Qt::LeftButton);
        QCOMPARE(main->CurrentScreen(), TScreenId::Create);
        QCOMPARE(int(AppData().File.Library.Grid(1).Sq[1][1].Entry), storedEntry);

        // Back on the solve screen the puzzle is as last saved, and leaving again asks nothing.
        QTest::mouseClick(main->bnSolve, Qt::LeftButton);
        QCOMPARE(int(SampleSquare().Entry), storedEntry);
        QTest::mouseClick(main->bnSetup, Qt::LeftButton);
        QCOMPARE(messages.Shown.size(), std::size_t{1});
    }

    void ClosingWritesTheFileWithTheWindowOnce() {
        xs::test::WriteValidFile(Paths, kStored, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        main->move(70, 50);
        main->resize(1100, 800);
        QTRY_COMPARE(main->size(), QSize(1100, 800));
        QVERIFY(QFile::remove(Paths.DataFile));

        QTest::mouseClick(main->bnExit, Qt::LeftButton);
        QVERIFY(!main->isVisible());
        auto written = xs::test::ReadBack(Paths);
        QVERIFY(written);
        const TSettings& s = written->Settings;
        QCOMPARE(int(s.Valid), 1);
        QCOMPARE(s.WindowWidth, 1100);
        QCOMPARE(s.WindowHeight, 800);
        QCOMPARE(s.WindowLeft, 70);
        QCOMPARE(s.WindowTop, 50);
        QCOMPARE(s.FontSize, 2);
        QCOMPARE(written->Library.Counts.Total, 1);
        QVERIFY(messages.Shown.empty());

        // A second close (the session ending, the application quitting) writes nothing more.
        QVERIFY(QFile::remove(Paths.DataFile));
        main->close();
        QVERIFY(!QFile::exists(Paths.DataFile));
    }

    void ClosingAsksOnlyOnTheSolveScreen_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("prompt");
        QTest::addColumn<int>("storedEntry");
        QTest::newRow("solve, save") << int(TScreenId::Solve) << OptionResult(0) << true << 4;
        QTest::newRow("solve, drop") << int(TScreenId::Solve) << OptionResult(1) << true << 0;
        QTest::newRow("create") << int(TScreenId::Create) << OptionResult(0) << false << 0;
    }
    void ClosingAsksOnlyOnTheSolveScreen() {
        QFETCH(int, screen);
        QFETCH(int, answer);
        QFETCH(bool, prompt);
        QFETCH(int, storedEntry);
        xs::test::WriteValidFile(Paths, kStored, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(Paths, messages, kScreen);
        QVERIFY(main);
        if (screen != int(TScreenId::Solve)) main->ChangeScreen(TScreenId(screen));
        SampleSquare().Entry = 4;
        messages.Answers = {answer};
        main->close();
        QCOMPARE(!messages.Shown.empty(), prompt);
        auto written = xs::test::ReadBack(Paths);
        QVERIFY(written);
        QCOMPARE(int(written->Library.Grid(1).Sq[1][1].Entry), storedEntry);
    }

    void ClosingBeforeStartUpKeepsTheFile() {
        xs::test::WriteValidFile(Paths, kStored, 2);
        const QByteArray before = [&] {
            QFile f(Paths.DataFile);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        TScriptedMessages messages;
        TMainWindowDeps deps;
        deps.Paths = Paths;
        deps.Messages = &messages;
        deps.Screen = kScreen;
        TfrmMain main(deps);
        main.close();
        QFile f(Paths.DataFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

private:
    std::unique_ptr<QTemporaryDir> Dir;
    TDataFilePaths Paths;
};

QTEST_MAIN(TMainWindowTest)
#include "main_window_test.moc"
