// The solve screen's widget on the offscreen platform: a puzzle played from the chooser to a saved,
// solved board, and what only the widget does (single-square repaints, drags, the strip's place).
#include <QPaintEvent>
#include <QTest>
#include <memory>
#include <vector>

#include "logic/logic_solver.h"
#include "solve/instruct_page.h"
#include "solve/solve_screen.h"
#include "solve/solve_widgets.h"
#include "storage/settings.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"
#include "text_grid.h"

using xs::TfrmSolve;
using xs::test::TScriptedMessages;

namespace {

// Records the rectangles a widget is asked to paint.
class TPaintSpy : public QObject {
public:
    std::vector<QRect> Rects;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            Rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
};

// The answers of the sample puzzle's 2 x 2 block, rows 1..2, columns 1..2.
constexpr int kAnswers[2][2] = {{1, 2}, {3, 5}};

}  // namespace

class SolveScreenTest : public QObject {
    Q_OBJECT

private:
    TScriptedMessages Messages;
    xs::TProgramFonts Fonts;
    std::unique_ptr<TfrmSolve> Screen;

    // A point on the pad cell of `digit` in square (row, col) of the board.
    QPoint PadPoint(int row, int col, int digit) const {
        const QRect square = Screen->SquareRect(row, col);
        const int w = Screen->SquareSize();
        const int t = w / 3;
        const int centres[3] = {t / 2, w / 2, w - t / 2 - 1};
        return square.topLeft() + QPoint(centres[(digit - 1) % 3], centres[(digit - 1) / 3]);
    }

    void ClickSlot(int slot) {
        QTest::mouseClick(Screen->sgPuzzles, Qt::LeftButton, {},
                          Screen->ChooserCellRect(slot).center());
    }

    xs::TSquare& Square(int row, int col) { return xs::AppData().Work.CurrentPuzzle.Sq[row][col]; }

    // Slot 3: a Mini puzzle White in rows 1..8 but for columns 5 and 10, solving, zoomed in
    // until a square is 70 pixels or more and panned two rows down and two columns right.
    void SolvePannedBoard() {
        std::vector<std::string> rows{"#############"};
        for (int r = 1; r <= 8; ++r) {
            std::string row;
            for (int c = 0; c < 13; ++c)
                row += c % 5 == 0 ? '#' : static_cast<char>('1' + (r + c) % 9);
            rows.push_back(row);
        }
        xs::TAppData& app = xs::AppData();
        xs::AppendPuzzle(app.File.Library, app.File.Settings.LastPuzzleId, xs::test::GridOf(rows),
                         xs::TPuzzleSize::Mini, 1);
        Screen->FormShow();
        ClickSlot(3);
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        while (Screen->bnZoomIn->isEnabled() && Screen->SquareSize() < 70)
            QTest::mouseClick(Screen->bnZoomIn, Qt::LeftButton);
        for (int k = 0; k < 2; ++k) {
            QTest::mouseClick(Screen->bnDown, Qt::LeftButton);
            QTest::mouseClick(Screen->bnRight, Qt::LeftButton);
        }
        QVERIFY(Screen->PanelHideTop->isVisible());
        QVERIFY(Screen->PanelHideLeft->isVisible());
    }

    void DragTo(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, p, Screen->dgGrid->mapToGlobal(p), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Screen->dgGrid, &move);
    }

private slots:
    void init() {
        const auto blank = std::make_unique<xs::TAppData>();
        xs::AppData() = *blank;
        xs::TAppData& app = xs::AppData();
        // Slot 1 a Small puzzle, slot 2 the Mini puzzle the tests play.
        xs::test::AddSamplePuzzle(app.File.Library, app.File.Settings.LastPuzzleId,
                                  xs::TPuzzleSize::Small, 3);
        xs::test::AddSamplePuzzle(app.File.Library, app.File.Settings.LastPuzzleId,
                                  xs::TPuzzleSize::Mini, 2);
        Messages = TScriptedMessages();
        Fonts = xs::TProgramFonts();
        Screen = std::make_unique<TfrmSolve>(Fonts, Messages, 20);
        Screen->resize(900, 560);
        Screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(Screen.get()));
    }

    void cleanup() { Screen.reset(); }

    void PlaysAMiniPuzzleFromTheChooserToASavedSolvedBoard() {
        ClickSlot(2);
        QCOMPARE(xs::AppData().Work.CurrentSlot, 2);
        QCOMPARE(xs::AppData().File.Settings.CurrentPuzzleId, 2);
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        QVERIFY(Screen->PanelSolve->isVisible());
        QVERIFY(!Screen->PanelMain->isVisible());
        QVERIFY(!Screen->bnUndo->isEnabled());

        // A wrong digit first, taken back by a second click, then every answer.
        QTest::mouseClick(Screen->dgGrid, Qt::LeftButton, {}, PadPoint(1, 1, 9));
        QCOMPARE(int(Square(1, 1).Entry), 9);
        QTest::mouseClick(Screen->dgGrid, Qt::LeftButton, {}, PadPoint(1, 1, 4));
        QCOMPARE(int(Square(1, 1).Entry), 0);
        for (int r = 1; r <= 2; ++r) {
            for (int c = 1; c <= 2; ++c) {
                QTest::mouseClick(Screen->dgGrid, Qt::LeftButton, {},
                                  PadPoint(r, c, kAnswers[r - 1][c - 1]));
                QCOMPARE(int(Square(r, c).Entry), kAnswers[r - 1][c - 1]);
            }
        }
        // The last entry checked the whole board: every square right.
        QVERIFY(Screen->State().ChecksShown());
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) QCOMPARE(Screen->State().Checks().EntryCheck[r][c], 2);
        QVERIFY(!Screen->bnFill->isEnabled());
        QVERIFY(Screen->IsPuzzleModified());
        const QString solved = QStringLiteral("Solved : every square holds its answer.");
        QCOMPARE(Screen->lblMode1->text(), solved);

        Messages.Answers = {xs::kResultOk};
        QTest::mouseClick(Screen->bnSave, Qt::LeftButton);
        QCOMPARE(Messages.Shown.size(), std::size_t{1});
        QVERIFY(!Screen->IsPuzzleModified());
        QVERIFY(!Screen->bnUndo->isEnabled());
        const xs::TPuzzleGrid& stored = xs::AppData().File.Library.Grid(2);
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c)
                QCOMPARE(int(stored.Sq[r][c].Entry), kAnswers[r - 1][c - 1]);

        // Back on the chooser without a question; the preview shows the solved puzzle.
        QTest::mouseClick(Screen->bnReturn, Qt::LeftButton);
        QCOMPARE(Messages.Shown.size(), std::size_t{1});
        QVERIFY(Screen->PanelMain->isVisible());
        QVERIFY(Screen->dgSmall->isVisible());
        // Opened again, the puzzle still says it is solved.
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        QCOMPARE(Screen->lblMode1->text(), solved);
    }

    void AChangedSquareRepaintsOnlyItsOwnRectangle() {
        ClickSlot(2);
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(Screen.get()));
        QCoreApplication::processEvents();
        // The first press also moves the keyboard's (unseen) cursor to the square; the second only
        // marks.
        QTest::mouseClick(Screen->dgGrid, Qt::RightButton, {}, PadPoint(2, 1, 5));
        QCoreApplication::processEvents();
        TPaintSpy spy;
        Screen->dgGrid->installEventFilter(&spy);
        QTest::mouseClick(Screen->dgGrid, Qt::RightButton, {}, PadPoint(2, 1, 6));
        Screen->dgGrid->removeEventFilter(&spy);
        QCOMPARE(int(Square(2, 1).Possible[5]), 1);
        QVERIFY(!spy.Rects.empty());
        for (const QRect& r : spy.Rects) QCOMPARE(r, Screen->SquareRect(2, 1));
    }

    // Key events reach the state through the screen's focus: a digit, a shifted digit (whose
    // key code is its symbol), Tab, undo and redo, the hint with its line and its placement.
    void KeysPlayTheBoardFromTheScreensFocus() {
        ClickSlot(2);
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        QVERIFY(Screen->hasFocus());
        QTest::keyClick(Screen.get(), Qt::Key_Exclam, Qt::ShiftModifier);
        QCOMPARE(int(Square(1, 1).Possible[0]), 1);
        QTest::keyClick(Screen.get(), Qt::Key_Tab);  // the next across run: row 2
        QTest::keyClick(Screen.get(), Qt::Key_4);
        QCOMPARE(int(Square(2, 1).Entry), 4);
        QTest::keyClick(Screen.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(int(Square(2, 1).Entry), 0);
        QTest::keyClick(Screen.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(int(Square(2, 1).Entry), 4);
        QVERIFY(Screen->bnUndo->isEnabled());

        QTest::keyClick(Screen.get(), Qt::Key_H);  // the 4 is wrong: marked, nothing placed
        QVERIFY(Screen->PanelHint->isVisible());
        QTest::keyClick(Screen.get(), Qt::Key_Backspace);
        QVERIFY(!Screen->PanelHint->isVisible());
        QTest::keyClick(Screen.get(), Qt::Key_H);
        QTest::keyClick(Screen.get(), Qt::Key_H);
        const xs::TSolveState& state = Screen->State();
        const int r = state.CursorRow();
        const int c = state.CursorCol();
        QCOMPARE(int(Square(r, c).Entry), kAnswers[r - 1][c - 1]);
    }

    void AnEraseDragClearsEverySquarePassedOverAsOneUndoStep() {
        ClickSlot(2);
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        QTest::mouseClick(Screen->bnFill, Qt::LeftButton);  // answered O.K.
        QCOMPARE(int(Square(2, 2).Entry), kAnswers[1][1]);
        QTest::mouseClick(Screen->sbEraser, Qt::LeftButton);
        QVERIFY(!Screen->bnUndo->isEnabled());

        // Down the first column from the clue above it, then across the bottom row.
        const QPoint start = Screen->SquareRect(0, 1).center();
        QTest::mousePress(Screen->dgGrid, Qt::LeftButton, {}, start);
        for (const QPoint p : {Screen->SquareRect(1, 1).center(), Screen->SquareRect(2, 1).center(),
                               Screen->SquareRect(2, 2).center()}) {
            QMouseEvent move(QEvent::MouseMove, p, Screen->dgGrid->mapToGlobal(p), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(Screen->dgGrid, &move);
        }
        QTest::mouseRelease(Screen->dgGrid, Qt::LeftButton, {}, Screen->SquareRect(2, 2).center());
        QCOMPARE(int(Square(1, 1).Entry), 0);
        QCOMPARE(int(Square(2, 1).Entry), 0);
        QCOMPARE(int(Square(2, 2).Entry), 0);
        QCOMPARE(int(Square(1, 2).Entry), kAnswers[0][1]);

        QTest::mouseClick(Screen->sbNormal, Qt::LeftButton);
        QVERIFY(Screen->bnUndo->isEnabled());
        QTest::mouseClick(Screen->bnUndo, Qt::LeftButton);
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) QCOMPARE(int(Square(r, c).Entry), kAnswers[r - 1][c - 1]);
    }

    // Squares hidden under the cover panels (rows and columns panned out of view) and past the
    // window's bottom edge, where the pan button lies, keep their emptiness.
    void AFillDragOnAPannedBoardFillsOnlySeenSquaresAndLeavesTheArrow() {
        SolvePannedBoard();
        QTest::mouseClick(Screen->sbFiller, Qt::LeftButton);
        const QPoint start = Screen->SquareRect(2, 2).center();
        QTest::mousePress(Screen->dgGrid, Qt::LeftButton, {}, start);
        QCOMPARE(Screen->dgGrid->cursor().shape(), Qt::BitmapCursor);
        const int pitch = Screen->SquareSize() + 2;
        const int below = (Screen->dgGrid->height() + 3) / pitch;
        QVERIFY(below <= 8);
        for (const QPoint p :
             {Screen->SquareRect(1, 2).center(), Screen->SquareRect(2, 1).center(),
              QPoint(start.x(), Screen->dgGrid->height() + 3), Screen->SquareRect(3, 3).center()})
            DragTo(p);
        QTest::mouseRelease(Screen->dgGrid, Qt::LeftButton, {}, Screen->SquareRect(3, 3).center());
        QCOMPARE(int(Square(2, 2).Entry), 5);
        QCOMPARE(int(Square(3, 3).Entry), 7);
        QCOMPARE(int(Square(1, 2).Entry), 0);
        QCOMPARE(int(Square(2, 1).Entry), 0);
        QCOMPARE(int(Square(below, 2).Entry), 0);
        QCOMPARE(Screen->dgGrid->cursor().shape(), Qt::ArrowCursor);
    }

    // The cursor starts on square (1, 1), panned out of view; the first key brings its square
    // wholly between the pan buttons. The board itself shows no keys.
    void KeysOnAPannedBoardKeepTheCursorSquareInViewAndSayWhenDigitsMark() {
        SolvePannedBoard();
        QVERIFY(Screen->dgGrid->toolTip().isEmpty());
        QTest::keyClick(Screen.get(), Qt::Key_Right);
        const QRect square(Screen->dgGrid->mapTo(Screen->PanelGrid, QPoint(0, 0)) +
                               Screen->SquareRect(1, 2).topLeft(),
                           QSize(Screen->SquareSize(), Screen->SquareSize()));
        const QRect window(
            QPoint(Screen->bnLeft->geometry().right() + 1, Screen->bnUp->geometry().bottom() + 1),
            QPoint(Screen->bnRight->geometry().left() - 1, Screen->bnDown->geometry().top() - 1));
        QVERIFY(window.contains(square));

        QTest::keyClick(Screen.get(), Qt::Key_M);
        QCOMPARE(Screen->lblMode1->text(), QStringLiteral("Solve Mode, Marks on : the keys 1..9"));
        QTest::keyClick(Screen.get(), Qt::Key_3);
        QCOMPARE(int(Square(1, 2).Possible[2]), 1);
        QTest::keyClick(Screen.get(), Qt::Key_M);
        QCOMPARE(Screen->lblMode1->text(),
                 QStringLiteral("Solve Mode : Click on the small 1..9 grid"));
    }

    // On the panned board a hint brings its square and the clues of the runs it names into view
    // (the first row), else, when those do not fit, the square and its own two clues.
    void AHintPansItsSquareAndTheCluesItNamesIntoView_data() {
        QTest::addColumn<QList<int>>("runs");  // clue row, clue column, down; ...
        QTest::addColumn<QList<int>>("seen");  // row, column; ...
        QTest::newRow("named clues")
            << QList<int>{3, 0, 0, 5, 0, 0} << QList<int>{3, 3, 3, 0, 5, 0};
        QTest::newRow("too far apart")
            << QList<int>{0, 12, 1, 8, 0, 0} << QList<int>{0, 3, 3, 3, 3, 0};
    }
    void AHintPansItsSquareAndTheCluesItNamesIntoView() {
        QFETCH(QList<int>, runs);
        QFETCH(QList<int>, seen);
        SolvePannedBoard();
        xs::TNextStep step;
        step.Kind = xs::THintKind::Deduced;
        step.Row = 3;
        step.Col = 3;
        for (int i = 0; i + 2 < runs.size(); i += 3)
            step.Runs[step.RunCount++] = {runs[i], runs[i + 1], runs[i + 2] != 0};
        Screen->State().ShowStep(step);
        const QRect window(
            QPoint(Screen->bnLeft->geometry().right() + 1, Screen->bnUp->geometry().bottom() + 1),
            QPoint(Screen->bnRight->geometry().left() - 1, Screen->bnDown->geometry().top() - 1));
        for (int i = 0; i + 1 < seen.size(); i += 2) {
            const QRect square(
                Screen->dgGrid->mapTo(Screen->PanelGrid,
                                      Screen->SquareRect(seen[i], seen[i + 1]).topLeft()),
                QSize(Screen->SquareSize(), Screen->SquareSize()));
            QVERIFY2(window.contains(square),
                     qPrintable(QStringLiteral("%1,%2").arg(seen[i]).arg(seen[i + 1])));
        }
    }

    void AnEmptyLibraryOrADamagedSlotOffersNothingToSolve_data() {
        QTest::addColumn<bool>("empty");
        QTest::newRow("empty library") << true;
        QTest::newRow("damaged slot") << false;
    }
    void AnEmptyLibraryOrADamagedSlotOffersNothingToSolve() {
        QFETCH(bool, empty);
        xs::TPuzzleLibrary& lib = xs::AppData().File.Library;
        if (empty) {
            lib.Counts = {};
        } else {
            lib.Info(1).Size = 9;
        }
        xs::AppData().File.Settings.CurrentPuzzleId = 1;
        Screen->FormShow();
        QVERIFY(!Screen->dgSmall->isVisible());
        QVERIFY(!Screen->bnSolve->isVisible() || !Screen->bnSolve->isEnabled());
        QVERIFY(!Screen->PanelDetails->text().isEmpty());
        Screen->bnSolveClick();
        QVERIFY(Screen->PanelMain->isVisible());
        QVERIFY(!Screen->PanelSolve->isVisible());
    }

    void EveryHintIsShownWholeAtTheStandardSizes_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("800 x 600") << 792 << 562 << 2;
        QTest::newRow("1260 x 960, large font") << 1251 << 913 << 3;
    }
    // A sentence of some 600 characters for every technique, on the square at the board's top
    // left and at its bottom right: the box shows it whole, hides neither square nor the bar,
    // and "... more" shows it whole too.
    void EveryHintIsShownWholeAtTheStandardSizes() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, fontSize);
        xs::ApplyFontSize(fontSize, Fonts);
        Screen->resize(width, height);
        Screen->FormShow();
        ClickSlot(2);
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        const QString reason = QStringLiteral(
            "The across 45 holds 1, 2 and 3 already and needs 39 more in its 6 open squares, so "
            "it allows 4 to 9 here; the down 16 holds 7 already and needs 9 more in its 2 open "
            "squares, which only 1 + 8, 2 + 7, 3 + 6 or 4 + 5 make. ");
        for (int t = 0; t < xs::kTechniqueCount; ++t) {
            xs::TNextStep step;
            step.Kind = xs::THintKind::Deduced;
            step.Text = xs::TechniqueName(static_cast<xs::TTechnique>(t)) + std::string(": ") +
                        (reason + reason + reason).toStdString();
            const bool last = t % 2 == 1;
            step.Row = last ? 2 : 1;
            step.Col = last ? 2 : 1;
            Screen->State().ShowStep(step);
            const QRect box = Screen->PanelHint->geometry();
            QVERIFY(Screen->PanelHint->isVisible());
            QCOMPARE(Screen->lblHint->text(), QStringLiteral("Hint: ") + step.Text.c_str());
            QVERIFY(Screen->lblHint->heightForWidth(Screen->lblHint->width()) <=
                    Screen->lblHint->height());
            QVERIFY(Screen->PanelSolve->rect().contains(box));
            QVERIFY(box.bottom() < Screen->PanelMode->geometry().top());
            const QRect square(
                Screen->dgGrid->mapTo(Screen->PanelSolve,
                                      Screen->SquareRect(step.Row, step.Col).topLeft()),
                QSize(Screen->SquareSize(), Screen->SquareSize()));
            QVERIFY(!box.intersects(square));
        }
        QTest::mouseClick(Screen->bnMore, Qt::LeftButton);
        QLabel* whole = Screen->PanelInstruct->lblHint;
        QCOMPARE(whole->text(), Screen->lblHint->text());
        QVERIFY(whole->isVisible());
        QVERIFY(whole->heightForWidth(whole->width()) <= whole->height());
        QVERIFY(Screen->PanelInstruct->rect().contains(
            Screen->PanelInstruct->bnInstructReturn->geometry()));
    }

    void TheCombinationsStripMovesToTheSideAndBackAndIsRemembered() {
        ClickSlot(2);
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        // The across clue of row 1 (total 3 in two squares): one combination box.
        const QRect clue = Screen->SquareRect(1, 0);
        QTest::mouseClick(Screen->dgGrid, Qt::LeftButton, {},
                          clue.topLeft() + QPoint(clue.width() - 4, 3));
        QVERIFY(Screen->PanelPossBoxes[0]->isVisible());
        QVERIFY(!Screen->PanelPossBoxes[1]->isVisible());

        QTest::mouseClick(Screen->bnMoveToSide, Qt::LeftButton);
        QCOMPARE(int(xs::AppData().File.Settings.CombosAtSide), 1);
        QVERIFY(Screen->bnMoveToTop->isVisible());
        QVERIFY(!Screen->bnMoveToSide->isVisible());
        const QRect strip = Screen->PanelPoss->geometry();
        QVERIFY(strip.right() < Screen->PanelGrid->geometry().left());
        QVERIFY(strip.height() > strip.width());
        // The box stays inside the strip, in its middle.
        const QRect box = Screen->PanelPossBoxes[0]->geometry();
        QVERIFY(QRect(QPoint(0, 0), strip.size()).contains(box));

        QTest::mouseClick(Screen->bnMoveToTop, Qt::LeftButton);
        QCOMPARE(int(xs::AppData().File.Settings.CombosAtSide), 0);
        QVERIFY(Screen->PanelPoss->geometry().bottom() < Screen->PanelGrid->geometry().top());
    }
};

QTEST_MAIN(SolveScreenTest)
#include "solve_screen_test.moc"
