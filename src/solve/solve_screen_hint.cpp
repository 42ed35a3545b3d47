// The solving page's hint: the box that shows it whole, placed where it hides none of what it
// names, the board panned to bring that into view, and the instruction lines.
#include <QLabel>
#include <algorithm>
#include <vector>

#include "solve/instruct_page.h"
#include "solve/solve_screen.h"
#include "solve/solve_screen_parts.h"
#include "solve/solve_widgets.h"

namespace xs {

using namespace solve_screen;

namespace {

// The hint as the player reads it; an assist's notice without the "Hint: ".
QString HintText(const TNextStep& hint) {
    return (hint.Kind == THintKind::Notice ? QString() : UiText("Hint: ")) +
           QString::fromStdString(hint.Text);
}

// The clue square of the run through the White square (row, col), across or down.
TSquarePos ClueOf(const TPuzzleGrid& grid, int row, int col, bool down) {
    while (row > 0 && col > 0 && grid.Sq[row][col].Kind == White) {
        row -= down ? 1 : 0;
        col -= down ? 0 : 1;
    }
    return {row, col};
}

}  // namespace

void TfrmSolve::HintChanged() {
    KeepHintInView();
    ShowHintBox();
    dgGrid->update();
}

void TfrmSolve::ShowHintBox() {
    const TNextStep* hint = Solve->Solving() ? Solve->Hint() : nullptr;
    lblHint->setText(hint != nullptr ? HintText(*hint) : QString());
    PlaceHintBox();
}

void TfrmSolve::PlaceHintBox() {
    const TNextStep* hint = Solve->Solving() ? Solve->Hint() : nullptr;
    if (hint == nullptr) {
        PanelHint->hide();
        return;
    }
    // The hint's squares, in the page's coordinates.
    const QPoint origin = dgGrid->mapTo(PanelSolve, QPoint(0, 0));
    const auto onPage = [&](int row, int col) {
        const TRect r = BoardSquareRect(row, col, BoardSquare);
        return TRect{r.Left + origin.x(), r.Top + origin.y(), r.Right + origin.x(),
                     r.Bottom + origin.y()};
    };
    const TRect target = hint->Row >= 0 ? onPage(hint->Row, hint->Col) : TRect{};
    std::vector<TRect> named;
    const TPuzzleGrid& grid = App.Work.CurrentPuzzle;
    const TPuzzleDims dims = App.Work.PuzzleDims;
    for (int i = 0; i < std::clamp(hint->RunCount, 0, kMaxStepRuns); ++i) {
        const THintRun& run = hint->Runs[i];
        int r = run.ClueRow;
        int c = run.ClueCol;
        if (r < 0 || c < 0 || r > dims.LastRow || c > dims.LastCol) continue;
        named.push_back(onPage(r, c));
        for (r += run.Down ? 1 : 0, c += run.Down ? 0 : 1;
             r <= dims.LastRow && c <= dims.LastCol && grid.Sq[r][c].Kind == White;
             r += run.Down ? 1 : 0, c += run.Down ? 0 : 1)
            named.push_back(onPage(r, c));
    }
    for (int i = 0; i < std::clamp(hint->CellCount, 0, kMaxStepCells); ++i)
        named.push_back(onPage(hint->Cells[i].Row, hint->Cells[i].Col));

    const int textWidth = HintBoxTextWidth(PageLayout);
    // Clear of the pan buttons, which stand at the panel's top and foot.
    const int margin = bnDown->isVisibleTo(PanelGrid) ? std::max(PanelGrid->height() - bnDown->y(),
                                                                 bnUp->geometry().bottom() + 1)
                                                      : 0;
    const TRect box =
        HintBoxRect(PageLayout, lblHint->heightForWidth(textWidth), target, named, margin);
    Apply(PanelHint, box);
    lblHint->setGeometry(kHintBoxPadding, kHintBoxPadding, textWidth,
                         std::max(0, box.Height() - 2 * kHintBoxPadding));
    PanelHint->raise();
    PanelHint->show();
}

void TfrmSolve::KeepHintInView() {
    const TNextStep* hint = Solve->Solving() ? Solve->Hint() : nullptr;
    if (hint == nullptr || hint->Row < 0) return;
    TBoardLayoutInput in = BoardInput();
    // The square and the clue of every run the hint names.
    TCellRange all{hint->Row, hint->Col, hint->Row, hint->Col};
    for (int i = 0; i < std::clamp(hint->RunCount, 0, kMaxStepRuns); ++i) {
        const THintRun& run = hint->Runs[i];
        all = {std::min(all.FirstRow, run.ClueRow), std::min(all.FirstCol, run.ClueCol),
               std::max(all.LastRow, run.ClueRow), std::max(all.LastCol, run.ClueCol)};
    }
    // Else the square and the clues of its own two runs.
    const TPuzzleGrid& grid = App.Work.CurrentPuzzle;
    const TSquarePos across = ClueOf(grid, hint->Row, hint->Col, false);
    const TSquarePos down = ClueOf(grid, hint->Row, hint->Col, true);
    const TCellRange own{down.Row, across.Col, hint->Row, hint->Col};
    if (!PanToShowBlock(in, all.FirstRow, all.FirstCol, all.LastRow, all.LastCol) &&
        !PanToShowBlock(in, own.FirstRow, own.FirstCol, own.LastRow, own.LastCol))
        PanToShow(in, hint->Row, hint->Col);
    if (in.PanRow == PanRow && in.PanCol == PanCol) return;
    PanRow = in.PanRow;
    PanCol = in.PanCol;
    LayoutBoard();
}

void TfrmSolve::ShowInstructionLines() {
    // A hint stands in its own box; the lines keep telling what the mode does.
    const std::array<QLabel*, 3> labels{lblMode1, lblMode2, lblMode3};
    const TModeLines lines = Solve->Solved() ? SolvedLines(Solve->SolvedAndSaved())
                                             : ModeLines(Solve->Mode(), Solve->MarksOn());
    for (std::size_t i = 0; i < 3; ++i) {
        // How the solving went stands in the solved lines' place.
        const std::string went =
            Solve->Solved() ? Solve->Tracker().SolvedLine(static_cast<int>(i)) : std::string();
        labels[i]->setText(!went.empty() ? QString::fromStdString(went) : UiText(lines[i]));
    }
}

void TfrmSolve::bnMoreClick() {
    const TNextStep* hint = Solve->Solving() ? Solve->Hint() : nullptr;
    PanelInstruct->SetHint(hint != nullptr ? HintText(*hint) : QString());
    ShowPage(PanelInstruct);
    FormResize();
}

}  // namespace xs
