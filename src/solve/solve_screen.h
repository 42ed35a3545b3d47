// The solve screen: choosing a stored puzzle and solving it (the main window's screen 1).
#pragma once

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

#include "solve/board_layout.h"
#include "solve/solve_state.h"
#include "storage/messages.h"
#include "storage/preferences.h"
#include "storage/settings.h"

namespace xs {

class TCanvas;
class TSolvePaintBox;
class TSpinButton;
class TInstructPage;

class TfrmSolve : public QWidget, private TSolveView {
    Q_OBJECT

public:
    // The screen works on the process-wide library, working copy and preferences (AppData()).
    // radioIndent is the extra width the main window gives buttons beyond their caption.
    TfrmSolve(const TProgramFonts& fonts, TMessages& messages, int radioIndent,
              QWidget* parent = nullptr);
    ~TfrmSolve() override;

    // Back to the chooser on the puzzle last chosen (found again by its Id).
    void FormShow();

    // For the main window when it leaves the screen or closes: the puzzle being solved differs
    // from its slot; and saving it without asking.
    bool IsPuzzleModified() const;
    void SavePuzzle();

    // A puzzle pasted or dropped on the window: taken while the chooser page is shown, which then
    // lists it and shows it chosen.
    bool ChooserShown() const;
    void ShowAddedPuzzle(int slot);

    const TSolveState& State() const { return *Solve; }
    TSolveState& State() { return *Solve; }

    // Who keeps the time and the history of the puzzles solved here (the page's clock shows its
    // ClockText); nullptr: no one.
    void SetTracker(TSolveTracker* tracker);
    // Shows the clock's text now (the clock refreshes itself every half second).
    void ShowClock();

    // The chooser page.
    QWidget* PanelMain;
    TSolvePaintBox* sgPuzzles;
    QWidget* PanelLegendRow;
    QLabel* PanelLegend;
    std::array<QLabel*, 5> PanelStars;  // Panel1Star .. Panel5Star
    QFrame* PanelMainInstruct;
    std::array<QLabel*, 4> lblMainInstruct;
    TSolvePaintBox* dgSmall;
    QLabel* PanelDetails;
    QPushButton* bnPrint1;
    QPushButton* bnSolve;

    // The solving page.
    QWidget* PanelSolve;
    QWidget* PanelHeader;
    QLabel* PanelDetails1;
    QLabel* PanelTotal;
    TSpinButton* spnTotal;
    QLabel* lblIn;
    QLabel* PanelSquares;
    TSpinButton* spnSquares;
    QLabel* imgArrow;
    TSolvePaintBox* dgValues;
    QLabel* lblInvalid;
    QLabel* lblClock;  // the time on the puzzle, in the right end of PanelDetails1

    QFrame* PanelPoss;
    QLabel* lblPoss1;
    QLabel* lblPoss2;
    std::array<QLabel*, 12> PanelPossBoxes;  // PanelPoss1 .. PanelPoss12
    QPushButton* bnMoveToSide;
    QPushButton* bnMoveToTop;

    QWidget* PanelGrid;
    TSolvePaintBox* dgGrid;
    QWidget* PanelHideTop;
    QWidget* PanelHideLeft;
    QPushButton* bnUp;
    QPushButton* bnDown;
    QPushButton* bnLeft;
    QPushButton* bnRight;

    QFrame* PanelMode;
    QLabel* PanelHead1;
    QPushButton* sbNormal;
    QPushButton* sbEraser;
    QPushButton* sbFiller;
    QFrame* PanelMode2;
    QLabel* lblMode1;
    QLabel* lblMode2;
    QLabel* lblMode3;
    QPushButton* bnMore;
    // A hint or an assist's notice, whole, over the board's foot or top (HintBoxRect).
    QFrame* PanelHint;
    QLabel* lblHint;
    QFrame* PanelZoom;
    QLabel* PanelHeadZoom;
    QPushButton* bnZoomIn;
    QPushButton* bnZoomOut;
    QPushButton* bnUndo;
    QPushButton* bnCheck;
    QPushButton* bnClear;
    QPushButton* bnFill;
    QPushButton* bnReset;
    QPushButton* bnSave;
    QPushButton* bnPrint;
    QPushButton* bnReturn;

    // The instructions page.
    TInstructPage* PanelInstruct;

    // Board geometry as last laid out, for tests and the benchmarks.
    int SquareSize() const { return BoardSquare; }
    int ZoomLevel() const { return Zoom; }
    // Where square (row, col) lies on dgGrid, with the grid line after it.
    QRect SquareRect(int row, int col) const;
    // Where the cell of a slot lies on sgPuzzles.
    QRect ChooserCellRect(int slot) const;

    // The handlers, callable as the controls call them.
    void sgPuzzlesMouseDown(int x, int y);
    void bnSolveClick();
    // bnPrint and bnPrint1: asks how, then prints the puzzle.
    void bnPrintClick();
    void bnReturnClick();
    void bnMoreClick();
    void bnInstructReturnClick();
    void Button1Click();
    void bnZoomInClick();
    void bnZoomOutClick();
    void bnUpClick();
    void bnDownClick();
    void bnLeftClick();
    void bnRightClick();
    void rbModeClick(TSolveMode mode);
    void dgGridMouseDown(int x, int y, TMouseButton button);
    void dgGridMouseMove(int x, int y);
    void dgGridMouseUp();
    void spnTotalClick(int step);
    void spnSquaresClick(int step);

    // The solving page's keys (arrows, digits, Enter, modes, undo and redo, hint); false when
    // the key means nothing there.
    bool SolveKey(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab step through the runs rather than the controls.
    bool event(QEvent* event) override;

private:
    // TSolveView
    void RedrawSquare(int row, int col) override;
    void RepaintBoard() override;
    void SelectionChanged(int oldRow, int oldCol) override;
    void ButtonsChanged() override;
    void ModeChanged(TSolveMode mode) override;
    void CursorMoved(int oldRow, int oldCol) override;
    void HintChanged() override;
    void MarksChanged() override;
    void SolvedChanged() override;

    // The instruction lines: the hint's reason while one is shown, else that the puzzle is
    // solved, else the mode's lines.
    void ShowInstructionLines();
    // The hint's box: its text, then its place for the page and the hint's squares.
    void ShowHintBox();
    void PlaceHintBox();
    // Pans a zoomed board so that the hint's square and the clues of every run it names come
    // into view, else the square and its own clues, else the square.
    void KeepHintInView();
    // Repaints what the cursor frame covers around square (row, col).
    void RedrawCursorArea(int row, int col);
    void BuildChooserPage();
    void ShowChooserControls();
    // A press on the slot's cell.
    void SelectSlot(int slot);
    QCursor ModeCursor() const;
    void BuildSolvePage();
    void BuildClock();
    void PlaceClock();
    void FormResize();
    void LayoutChooser();
    void LayoutSolvePage();
    TBoardLayoutInput BoardInput() const;
    void LayoutBoard();
    // Pans the board so that the keyboard's cursor square is wholly in view while its frame is
    // shown.
    void KeepCursorInView();
    void LayoutValuesStrip(const QRect& area);
    void ShowCombinations();
    void UpdateValues();
    void ShowPage(QWidget* page);
    void PaintBoard(TCanvas& canvas, const QRect& dirty);
    void PaintPreview(TCanvas& canvas, const QRect& dirty);
    void PaintChooser(TCanvas& canvas, const QRect& dirty);
    void PaintValues(TCanvas& canvas, const QRect& dirty);

    TAppData& App;
    const TProgramFonts& Fonts;
    int RadioIndent;
    TMessages& Messages;
    std::unique_ptr<TSolveState> Solve;

    QCursor EraseCursor;
    QCursor FillCursor;

    // Chooser.
    int ChooserColWidth = 1;
    int ChooserRowHeight = 1;
    int ChooserFontLevel = 4;
    int PreviewCell = 1;
    bool PreviewShown = false;  // the current slot loaded into the working copy
    // Board.
    int Zoom = 0;
    int PanRow = 0;
    int PanCol = 0;
    int BoardSquare = 0;
    int FittedSquare = 0;         // the square size at zoom 0
    TSolvePageLayout PageLayout;  // as last laid out
    // The runs in conflict while that assist is on, found at each paint.
    std::array<THintRun, 2 * kGridRows * kGridCols> Conflicts{};
    // The combinations strip's content and the values strip (kept out of this header, whose
    // includers have a rectangle type of their own).
    struct TStrips;
    std::unique_ptr<TStrips> Strips;
};

}  // namespace xs
