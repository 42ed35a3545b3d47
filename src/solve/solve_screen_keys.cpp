// The solve screen's keyboard: key events turned into the solving state's key commands and the
// cursor frame's repaints.
#include <QKeyEvent>
#include <algorithm>

#include "solve/board_render.h"
#include "solve/solve_screen.h"
#include "solve/solve_screen_parts.h"
#include "solve/solve_widgets.h"

namespace xs {

using namespace solve_screen;

namespace {

// The digit of a digit key, or of its shifted symbol (which the key code names instead of the
// digit): by the key's place on a PC keyboard under X, or by the symbol a US layout puts there.
int DigitOf(int key, bool shift, quint32 scanCode) {
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    if (!shift) return 0;
    if (scanCode >= 10 && scanCode <= 18) return static_cast<int>(scanCode) - 9;
    constexpr int kShifted[9] = {Qt::Key_Exclam,    Qt::Key_At,       Qt::Key_NumberSign,
                                 Qt::Key_Dollar,    Qt::Key_Percent,  Qt::Key_AsciiCircum,
                                 Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft};
    for (int d = 0; d < 9; ++d)
        if (key == kShifted[d]) return d + 1;
    return 0;
}

}  // namespace

bool TfrmSolve::SolveKey(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
    if (!PanelSolve->isVisibleTo(this) || !Solve->Solving()) return false;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    if (modifiers.testFlag(Qt::ControlModifier)) {
        if (key == Qt::Key_Z && !shift) {
            Solve->bnUndoClick();
        } else if (key == Qt::Key_Y || key == Qt::Key_Z) {
            Solve->bnRedoClick();
        } else {
            return false;
        }
        return true;
    }
    if (modifiers.testFlag(Qt::AltModifier)) return false;
    if (const int digit = DigitOf(key, shift, scanCode); digit != 0) {
        Solve->KeyDigit(digit, shift);
        KeepCursorInView();
        return true;
    }
    switch (key) {
        case Qt::Key_Left:
            Solve->MoveCursor(TBoardMove::Left);
            break;
        case Qt::Key_Right:
            Solve->MoveCursor(TBoardMove::Right);
            break;
        case Qt::Key_Up:
            Solve->MoveCursor(TBoardMove::Up);
            break;
        case Qt::Key_Down:
            Solve->MoveCursor(TBoardMove::Down);
            break;
        case Qt::Key_Home:
            Solve->CursorToRunEnd(false);
            break;
        case Qt::Key_End:
            Solve->CursorToRunEnd(true);
            break;
        case Qt::Key_Tab:
            Solve->NextRun(shift);
            break;
        case Qt::Key_Backtab:
            Solve->NextRun(true);
            break;
        case Qt::Key_0:
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            Solve->KeyClear();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Solve->KeyClue(shift);
            break;
        case Qt::Key_Space:
            Solve->KeyClue(false);
            break;
        case Qt::Key_M:
            Solve->ToggleMarks();
            break;
        case Qt::Key_E:
            Solve->KeyMode(TSolveMode::Erase);
            break;
        case Qt::Key_F:
            Solve->KeyMode(TSolveMode::Fill);
            break;
        case Qt::Key_N:
            Solve->KeyMode(TSolveMode::Solve);
            break;
        case Qt::Key_H:
            Solve->HintKey();
            break;
        case Qt::Key_C:
            Solve->MarkCandidates();
            break;
        case Qt::Key_R:
            Solve->ToggleMarkCleanup();
            break;
        case Qt::Key_D:
            Solve->ToggleConflicts();
            break;
        default:
            return false;
    }
    // A digit never goes into a square the player cannot see.
    KeepCursorInView();
    return true;
}

void TfrmSolve::KeepCursorInView() {
    if (!Solve->Solving() || !Solve->CursorShown()) return;
    TBoardLayoutInput in = BoardInput();
    PanToShow(in, Solve->CursorRow(), Solve->CursorCol());
    if (in.PanRow == PanRow && in.PanCol == PanCol) return;
    PanRow = in.PanRow;
    PanCol = in.PanCol;
    LayoutBoard();
}

void TfrmSolve::keyPressEvent(QKeyEvent* event) {
    if (SolveKey(event->key(), event->modifiers(), event->nativeScanCode())) return;
    QWidget::keyPressEvent(event);
}

bool TfrmSolve::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            SolveKey(key->key(), key->modifiers()))
            return true;
    }
    return QWidget::event(event);
}

void TfrmSolve::RedrawCursorArea(int row, int col) {
    const TGridGeometry geometry{0, 0, BoardSquare, kBoardGridLine};
    dgGrid->update(ToQRect(CursorArea(geometry, TCellRange{}, row, col)));
}

void TfrmSolve::CursorMoved(int oldRow, int oldCol) {
    RedrawCursorArea(oldRow, oldCol);
    RedrawCursorArea(Solve->CursorRow(), Solve->CursorCol());
}

void TfrmSolve::MarksChanged() {
    ShowInstructionLines();
}

void TfrmSolve::SolvedChanged() {
    ShowInstructionLines();
}

}  // namespace xs
