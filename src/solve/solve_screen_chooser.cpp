// The solve screen's chooser page: the list of stored puzzles, the preview and the description.
#include "solve/solve_screen.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "platform/fonts.h"
#include "platform/qt_canvas.h"
#include "solve/board_render.h"
#include "solve/chooser.h"
#include "solve/solve_screen_parts.h"
#include "solve/solve_widgets.h"

namespace xs {

using namespace solve_screen;

void TfrmSolve::sgPuzzlesMouseDown(int x, int y) {
    const int slot = ListSlotAt(x, y, ChooserColWidth, ChooserRowHeight);
    if (slot >= 1) SelectSlot(slot);
}

bool TfrmSolve::ChooserShown() const {
    return isVisible() && PanelMain->isVisible();
}

void TfrmSolve::ShowAddedPuzzle(int slot) {
    FormShow();
    SelectSlot(slot);
}

void TfrmSolve::SelectSlot(int slot) {
    TPuzzleLibrary& lib = App.File.Library;
    const TChooserPick pick = PickSlot(lib, slot, App.Work, App.File.Settings.CurrentPuzzleId);
    if (pick == TChooserPick::Ignored) return;
    PreviewShown = pick == TChooserPick::Loaded;
    const TDescription description = DescribeSlot(lib, slot);
    PanelDetails->setText(QString::fromStdString(description.Caption));
    SetColours(PanelDetails, ToQColor(description.Colours.Fill),
               ToQColor(description.Colours.Text));
    ShowChooserControls();
    sgPuzzles->update();
    LayoutChooser();
    dgSmall->update();
}

QRect TfrmSolve::ChooserCellRect(int slot) const {
    return ToQRect(ListCellRect(slot, ChooserColWidth, ChooserRowHeight));
}

void TfrmSolve::LayoutChooser() {
    const QFontMetrics metrics(font());
    TChooserMetrics m;
    m.LineHeight = metrics.height();
    m.DetailsHeight = metrics.height() + 8;
    m.ButtonHeight = metrics.height() + 11;
    m.PrintWidth = metrics.horizontalAdvance(bnPrint1->text()) + RadioIndent + 12;
    m.SolveWidth = metrics.horizontalAdvance(bnSolve->text()) + RadioIndent + 12;
    const bool any = App.File.Library.Counts.Total > 0 && PreviewShown;
    const TChooserLayout layout = xs::LayoutChooser(width(), height(), App.Work.PuzzleDims, any, m);
    ChooserColWidth = layout.ColWidth;
    ChooserRowHeight = layout.RowHeight;
    ChooserFontLevel = kListFontTop;
    PreviewCell = layout.PreviewCell;
    Apply(sgPuzzles, layout.Puzzles);
    const TRect& legend = layout.Legend;
    const int legendRight = layout.StarPanels[4].Right;
    const int legendBottom = std::max(legend.Bottom, layout.StarPanels[0].Bottom);
    PanelLegendRow->setGeometry(legend.Left, legend.Top, legendRight - legend.Left,
                                legendBottom - legend.Top);
    const auto inRow = [&legend](const TRect& r) {
        return TRect{r.Left - legend.Left, r.Top - legend.Top, r.Right - legend.Left,
                     r.Bottom - legend.Top};
    };
    Apply(PanelLegend, inRow(legend));
    for (int d = 0; d < 5; ++d) Apply(PanelStars[d], inRow(layout.StarPanels[d]));
    Apply(PanelMainInstruct, layout.Instruct);
    for (int i = 0; i < 4; ++i) {
        lblMainInstruct[i]->setGeometry(0, layout.InstructLineTop[i], layout.Instruct.Width(),
                                        m.LineHeight);
    }
    Apply(dgSmall, layout.Preview);
    Apply(PanelDetails, layout.Details);
    Apply(bnPrint1, layout.Print);
    Apply(bnSolve, layout.Solve);
    PanelDetails->raise();
    sgPuzzles->update();
}

void TfrmSolve::PaintChooser(TCanvas& canvas, const QRect& dirtyRect) {
    const TRect dirty = FromQRect(dirtyRect);
    const TColor face = FromQColor(palette().color(QPalette::Button));
    canvas.SetBrush(FromQColor(palette().color(QPalette::Mid)));
    canvas.FillRect(dirty);
    const int current = App.Work.CurrentSlot;
    for (int slot = 1; slot <= MaxPuzzles; ++slot) {
        const TRect cell = ListCellRect(slot, ChooserColWidth, ChooserRowHeight);
        if (cell.Right <= dirty.Left || cell.Left >= dirty.Right || cell.Bottom <= dirty.Top ||
            cell.Top >= dirty.Bottom) {
            continue;
        }
        const TListCell item = ListCellFor(App.File.Library, slot, slot == current);
        if (!DrawListCell(canvas, cell, item, ChooserFontLevel, face)) {
            // The numbers did not fit: the whole list again in the next smaller font.
            sgPuzzles->update();
            return;
        }
    }
}

void TfrmSolve::PaintPreview(TCanvas& canvas, const QRect&) {
    const TPuzzleDims dims = App.Work.PuzzleDims;
    canvas.SetBrush(kWhite);
    canvas.FillRect({0, 0, dgSmall->width(), dgSmall->height()});
    xs::PaintPreview(canvas, App.Work.CurrentPuzzle, {0, 0, PreviewCell, 1},
                     {0, 0, dims.LastRow, dims.LastCol});
}

}  // namespace xs
