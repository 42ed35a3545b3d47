// The solve screen's board: its layout with zoom and panning, its painting with the cursor, hint
// and conflict frames, and the mouse on it.
#include <algorithm>

#include "solve/board_layout.h"
#include "solve/board_render.h"
#include "solve/solve_screen.h"
#include "solve/solve_screen_parts.h"
#include "solve/solve_widgets.h"

namespace xs {

using namespace solve_screen;

namespace {

// The two pixels between board squares.
constexpr TColor kGridLineColour = kGray;

}  // namespace

TBoardLayoutInput TfrmSolve::BoardInput() const {
    const QFontMetrics metrics(PanelSolve->font());
    TBoardLayoutInput in;
    in.GridWidth = PanelGrid->width();
    in.GridHeight = PanelGrid->height();
    in.Dims = App.Work.PuzzleDims;
    in.ZoomLevel = Zoom;
    in.PanRow = PanRow;
    in.PanCol = PanCol;
    in.PanThickness = std::max(20, metrics.height() + 6);
    in.PanLength = 3 * in.PanThickness;
    return in;
}

void TfrmSolve::LayoutBoard() {
    const TBoardLayout board = xs::LayoutBoard(BoardInput());
    PanRow = board.PanRow;
    PanCol = board.PanCol;
    const bool resized = BoardSquare != board.Square;
    BoardSquare = board.Square;
    FittedSquare = board.FittedSquare;
    Apply(dgGrid, board.Board);
    // What the window shows, in the board's own coordinates: drags stop at its edges.
    const TRect& w = board.Window;
    const TRect& b = board.Board;
    Solve->SetSeenArea({w.Left - b.Left, w.Top - b.Top, w.Right - b.Left, w.Bottom - b.Top});
    PanelHideTop->setVisible(board.HideTopShown);
    if (board.HideTopShown) Apply(PanelHideTop, board.HideTop);
    PanelHideLeft->setVisible(board.HideLeftShown);
    if (board.HideLeftShown) Apply(PanelHideLeft, board.HideLeft);
    const std::array<std::pair<QPushButton*, const TPanButton*>, 4> pans{
        {{bnUp, &board.Up}, {bnDown, &board.Down}, {bnLeft, &board.Left}, {bnRight, &board.Right}}};
    for (const auto& [button, place] : pans) {
        button->setVisible(!board.Fits);
        if (board.Fits) continue;
        Apply(button, place->Rect);
        button->setEnabled(place->Enabled);
        button->raise();
    }
    bnZoomIn->setEnabled(board.ZoomInEnabled);
    bnZoomOut->setEnabled(Zoom > 0);
    if (resized) dgGrid->update();
    // The hint's square may have moved under the box.
    PlaceHintBox();
}

// ---- The board ------------------------------------------------------------------------------

QRect TfrmSolve::SquareRect(int row, int col) const {
    // With the grid line after the square: a check colour reaches one pixel into it.
    const TRect r = BoardSquareRect(row, col, BoardSquare);
    return QRect(r.Left, r.Top, r.Width() + kBoardGridLine, r.Height() + kBoardGridLine);
}

void TfrmSolve::PaintBoard(TCanvas& canvas, const QRect& dirtyRect) {
    const TRect dirty = FromQRect(dirtyRect);
    const int pitch = BoardSquare + kBoardGridLine;
    if (pitch <= kBoardGridLine) return;
    const TPuzzleDims dims = App.Work.PuzzleDims;
    // Only the squares the dirty rectangle touches: a redrawn square costs one square.
    const TCellRange range{std::max(0, dirty.Top / pitch), std::max(0, dirty.Left / pitch),
                           std::min(dims.LastRow, (dirty.Bottom - 1) / pitch),
                           std::min(dims.LastCol, (dirty.Right - 1) / pitch)};
    canvas.SetBrush(kPageBackground);
    canvas.FillRect(dirty);
    if (range.FirstRow > range.LastRow || range.FirstCol > range.LastCol) return;
    TBoardOverlay overlay;
    if (Solve->Solving() && Solve->CursorShown()) {
        overlay.CursorRow = Solve->CursorRow();
        overlay.CursorCol = Solve->CursorCol();
        overlay.MarksOn = Solve->MarksOn();
    }
    if (const TNextStep* hint = Solve->Solving() ? Solve->Hint() : nullptr) {
        overlay.HintRuns = std::span<const THintRun>(
            hint->Runs, static_cast<std::size_t>(std::clamp(
                            hint->RunCount, 0, static_cast<int>(std::size(hint->Runs)))));
        overlay.HintCells = std::span<const THintCell>(
            hint->Cells, static_cast<std::size_t>(std::clamp(
                             hint->CellCount, 0, static_cast<int>(std::size(hint->Cells)))));
        overlay.TargetRow = hint->Row;
        overlay.TargetCol = hint->Col;
    }
    if (Solve->Solving() && Solve->ConflictsShown())
        overlay.ConflictRuns = std::span<const THintRun>(
            Conflicts.data(), static_cast<std::size_t>(Solve->ConflictRuns(
                                  Conflicts.data(), static_cast<int>(Conflicts.size()))));
    const TBoardView view{&App.Work.CurrentPuzzle,
                          &Solve->Checks(),
                          &Solve->SelectedRun(),
                          FromQColor(PanelPoss->palette().color(QPalette::Window)),
                          &overlay,
                          PadFontPoints(BoardSquare, FittedSquare),
                          ClueFontPoints(BoardSquare, FittedSquare)};
    const TGridGeometry geometry{range.FirstCol * pitch, range.FirstRow * pitch, BoardSquare,
                                 kBoardGridLine};
    xs::PaintBoard(canvas, view, geometry, range, kGridLineColour);
}

void TfrmSolve::RedrawSquare(int row, int col) {
    // A changed entry may frame or free a whole run.
    if (Solve->ConflictsShown()) {
        dgGrid->update();
        return;
    }
    dgGrid->repaint(SquareRect(row, col));
}

void TfrmSolve::RepaintBoard() {
    dgGrid->update();
}

void TfrmSolve::SelectionChanged(int oldRow, int oldCol) {
    if (oldRow >= 0) RedrawSquare(oldRow, oldCol);
    const TSelectedRun& run = Solve->SelectedRun();
    if (run.ClueRow >= 0) RedrawSquare(run.ClueRow, run.ClueCol);
    ShowCombinations();
}

void TfrmSolve::dgGridMouseDown(int x, int y, TMouseButton button) {
    setFocus();
    if (Solve->dgGridMouseDown(x, y, button, BoardSquare)) {
        dgGrid->setCursor(ModeCursor());
    }
}

void TfrmSolve::dgGridMouseMove(int x, int y) {
    if (!Solve->Dragging()) return;
    const bool accepted = Solve->dgGridDragOver(x, y, BoardSquare);
    dgGrid->setCursor(accepted ? ModeCursor() : QCursor(Qt::ForbiddenCursor));
}

void TfrmSolve::dgGridMouseUp() {
    if (!Solve->Dragging()) return;
    Solve->dgGridEndDrag();
    // The mode's cursor shows again at the next press of a drag and after a mode change.
    dgGrid->setCursor(QCursor(Qt::ArrowCursor));
}

QCursor TfrmSolve::ModeCursor() const {
    switch (Solve->Mode()) {
        case TSolveMode::Erase:
            return EraseCursor;
        case TSolveMode::Fill:
            return FillCursor;
        case TSolveMode::Solve:
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

void TfrmSolve::bnZoomInClick() {
    ++Zoom;
    LayoutSolvePage();
}

void TfrmSolve::bnZoomOutClick() {
    if (Zoom > 0) --Zoom;
    LayoutSolvePage();
}

void TfrmSolve::bnUpClick() {
    if (PanRow <= 0) return;
    --PanRow;
    LayoutSolvePage();
}

void TfrmSolve::bnDownClick() {
    ++PanRow;
    LayoutSolvePage();
}

void TfrmSolve::bnLeftClick() {
    if (PanCol <= 0) return;
    --PanCol;
    LayoutSolvePage();
}

void TfrmSolve::bnRightClick() {
    ++PanCol;
    LayoutSolvePage();
}

}  // namespace xs
