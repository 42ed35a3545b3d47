// The puzzle chooser page: slot choice, description, layout and puzzle-list cells.
#include "solve/chooser.h"

#include <algorithm>
#include <array>

#include "model/slot_check.h"
#include "model/translate.h"

namespace xs {

const char* const kNoPuzzlesText = "There are no Cross Sums puzzles to solve";

namespace {

TRect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace

TStarColours StarColours(int difficulty) {
    switch (difficulty) {
        case 1:
            return {kWhite, kBlack};
        case 2:
            return {TColor{0x9DCEFF}, kBlack};
        case 3:
            return {TColor{0x00FFFF}, kBlack};
        case 4:
            return {kBlue, kWhite};
        case 5:
            return {kNavy, kWhite};
        default:
            return kDamagedColours;
    }
}

TListFont ListFont(int level) {
    switch (std::clamp(level, 1, kListFontTop)) {
        case 4:
            return {"Arial", 10};
        case 3:
            return {"Arial", 8};
        case 2:
            return {"Arial Narrow", 8};
        default:
            return {"Small Fonts", 7};
    }
}

TListCell ListCellFor(const TPuzzleLibrary& lib, int slot, bool selected) {
    TListCell cell;
    if (slot < 1 || slot > UsedSlots(lib.Counts)) return cell;
    const TPuzzleInfo& info = lib.Info(slot);
    if (info.Id == 0) return cell;
    cell.Id = info.Id;
    cell.SizeCode = info.Size;
    cell.Difficulty = info.Difficulty;
    cell.Damaged = ClassifySlot(lib, slot) == TSlotState::Damaged;
    cell.Selected = selected;
    cell.Solved = SlotSolved(lib, slot);
    return cell;
}

TRect ListBox(const TRect& cell, int sizeCode) {
    const int w = cell.Width();
    const int h = cell.Height();
    int dx = 1;
    int dy = 1;
    int extraBottom = 0;
    switch (sizeCode) {
        case static_cast<int>(TPuzzleSize::Small):
            dx = 13 * w / 64;
            dy = 14 * h / 64;
            break;
        case static_cast<int>(TPuzzleSize::Medium):
            dx = 6 * w / 64;
            dy = 8 * h / 64;
            break;
        case static_cast<int>(TPuzzleSize::Mini):
            dx = 16 * w / 64;
            dy = 16 * h / 64;
            extraBottom = 1;
            break;
        default:  // Large, and any unknown size of a damaged slot
            break;
    }
    return {cell.Left + dx, cell.Top + dy, cell.Right - dx, cell.Bottom - dy - extraBottom};
}

bool DrawListCell(TCanvas& canvas, const TRect& cell, const TListCell& item, int& fontLevel,
                  TColor face) {
    canvas.SetBrush(face);
    canvas.FillRect(cell);
    if (item.Id == 0) return true;

    fontLevel = std::clamp(fontLevel, 1, kListFontTop);
    const TListFont font = ListFont(fontLevel);
    canvas.SetFont(font.Face, font.Points, true);
    const TRect box = ListBox(cell, item.SizeCode);
    const std::string id = std::to_string(item.Id);
    const int width = canvas.TextWidth(id);
    if (fontLevel > 1 && (canvas.TextHeight("x") - 1 > box.Height() || width > box.Width())) {
        --fontLevel;
        return false;
    }

    const TStarColours colours = item.Damaged ? kDamagedColours : StarColours(item.Difficulty);
    canvas.SetBrush(colours.Fill);
    canvas.SetTextColor(colours.Text);
    const int x = box.Left + (box.Width() - width) / 2;
    const int y = box.Top + (box.Height() - canvas.TextHeight("M")) / 2;
    canvas.TextRect(box, x, y, id);
    canvas.SetPen(kBlack);
    canvas.FrameRect(box);

    if (item.Solved) {
        // A tick in the top-right corner, inside the selection's frame, over the box and the
        // number whatever their colours.
        const int k = std::max(6, std::min(cell.Width(), cell.Height()) * 2 / 5);
        const int left = cell.Right - 4 - k;
        const int top = cell.Top + 3;
        const auto at = [&](int u, int v) { return TPoint{left + u * k / 10, top + v * k / 10}; };
        const std::array<TPoint, 6> tick{at(0, 5), at(2, 3),  at(4, 5),
                                         at(8, 1), at(10, 3), at(4, 9)};
        canvas.SetPen(kBlack);
        canvas.SetBrush(kSolvedTick);
        canvas.Polygon(tick);
    }

    if (item.Selected) {
        // Three nested one-pixel frames: the 3-pixel red frame stays inside the cell, so
        // repainting a neighbour never leaves a piece of it behind.
        canvas.SetPen(kRed);
        for (int k = 0; k < 3; ++k)
            canvas.FrameRect({cell.Left + k, cell.Top + k, cell.Right - k, cell.Bottom - k});
    }
    return true;
}

int ListSlotAt(int x, int y, int colWidth, int rowHeight) {
    if (x < 0 || y < 0 || colWidth < 1 || rowHeight < 1) return 0;
    const int col = x / (colWidth + 1);
    const int row = y / (rowHeight + 1);
    if (col >= kListColumns || row >= kListRows) return 0;
    return row * kListColumns + col + 1;
}

TRect ListCellRect(int slot, int colWidth, int rowHeight) {
    const int row = (slot - 1) / kListColumns;
    const int col = (slot - 1) % kListColumns;
    return At(col * (colWidth + 1), row * (rowHeight + 1), colWidth, rowHeight);
}

int ChooserStartSlot(const TPuzzleLibrary& lib, std::int32_t currentPuzzleId) {
    int slot = 1;
    if (currentPuzzleId < 1) return slot;
    const int used = UsedSlots(lib.Counts);
    for (int i = 1; i <= used; ++i)
        if (lib.Info(i).Id == currentPuzzleId) slot = i;
    return slot;
}

TChooserPick PickSlot(const TPuzzleLibrary& lib, int slot, TWorkingCopy& work,
                      std::int32_t& currentPuzzleId) {
    if (slot < 1 || slot > UsedSlots(lib.Counts)) return TChooserPick::Ignored;
    const TSlotState state = ClassifySlot(lib, slot);
    if (state == TSlotState::Empty) return TChooserPick::Ignored;
    work.CurrentSlot = slot;
    currentPuzzleId = lib.Info(slot).Id;
    if (state == TSlotState::Damaged) return TChooserPick::Damaged;
    LoadSlot(lib, slot, work);
    return TChooserPick::Loaded;
}

TDescription DescribeSlot(const TPuzzleLibrary& lib, int slot) {
    const TSlotState state =
        slot >= 1 && slot <= UsedSlots(lib.Counts) ? ClassifySlot(lib, slot) : TSlotState::Empty;
    if (state == TSlotState::Empty) return {Tr("Texts", kNoPuzzlesText), StarColours(1)};
    const TPuzzleInfo& info = lib.Info(slot);
    const std::string id = std::to_string(info.Id);
    if (state == TSlotState::Damaged) {
        const char* problem = SlotProblem(lib, slot);
        return {Fill(Tr("Texts", " Puzzle Id : %1           Damaged : %2"),
                     {id, Tr("Texts", problem != nullptr ? problem : "unreadable")}),
                kDamagedColours};
    }
    const TSizeDims dims = SizeDims(info.Size);
    return {Fill(Tr("Texts",
                    " Puzzle Id : %1           Size : %2 x %3            Difficulty : %4 Star"),
                 {id, std::to_string(dims.Rows), std::to_string(dims.Cols),
                  std::to_string(info.Difficulty)}),
            StarColours(info.Difficulty)};
}

TChooserLayout LayoutChooser(int width, int height, TPuzzleDims dims, bool hasPuzzles,
                             const TChooserMetrics& metrics) {
    TChooserLayout out;
    const int third = (width - 30) / 3;
    out.ColWidth = std::max(1, (third - 6) / kListColumns);
    out.RowHeight = std::clamp((height - 51) / kListRows, 1, 40);
    const int listWidth = kListColumns * out.ColWidth + 6;
    const int listHeight = kListRows * out.RowHeight + 21;
    out.Puzzles = At(10, (height - listHeight) / 2, listWidth, listHeight);

    const int rows = std::clamp(dims.LastRow, 0, kGridRows - 1) + 1;
    const int cols = std::clamp(dims.LastCol, 0, kGridCols - 1) + 1;
    const int line = metrics.LineHeight;
    const int legendHeight = line + 4;
    const int instructHeight = 6 * line;
    const int fixedHeight = legendHeight + instructHeight + metrics.DetailsHeight +
                            (hasPuzzles ? metrics.ButtonHeight : 0);

    int cell = (2 * third - cols - 1) / cols;
    if (fixedHeight + (cell + 1) * rows + 1 - 2 > height)
        cell = (height - instructHeight - metrics.DetailsHeight - metrics.ButtonHeight -
                legendHeight - 21) /
                   rows -
               1;
    out.PreviewCell = std::max(1, cell);
    const int previewWidth = (out.PreviewCell + 1) * cols + 1;
    // The description overlaps the preview's bottom edge by 2 pixels.
    const int previewHeight = hasPuzzles ? (out.PreviewCell + 1) * rows + 1 - 2 : 0;
    const int gap = std::max(0, (height - fixedHeight - previewHeight) / 5);

    const int left = out.Puzzles.Right + (width - out.Puzzles.Right - previewWidth) / 2;
    int y = gap;
    const int starWidth = previewWidth / 6;
    const int legendWidth = previewWidth - 5 * starWidth;
    out.Legend = At(left, y, legendWidth, legendHeight);
    for (int i = 0; i < 5; ++i)
        out.StarPanels[i] = At(left + legendWidth + i * starWidth, y, starWidth, legendHeight);
    y += legendHeight + gap;

    out.Instruct = At(left, y, previewWidth, instructHeight);
    // Four lines over six line heights: equal gaps of a third of a line, two before line 3.
    const int space = 2 * line / 6;
    out.InstructLineTop[0] = space;
    out.InstructLineTop[1] = out.InstructLineTop[0] + line + space;
    out.InstructLineTop[2] = out.InstructLineTop[1] + line + 2 * space;
    out.InstructLineTop[3] = out.InstructLineTop[2] + line + space;
    y += instructHeight + gap;

    if (hasPuzzles) {
        out.Preview = At(left, y, previewWidth, previewHeight + 2);
        y += previewHeight;
    }
    out.Details = At(left, y, previewWidth, metrics.DetailsHeight);
    y += metrics.DetailsHeight + gap;
    if (hasPuzzles) {
        out.Print = At(left, y, metrics.PrintWidth, metrics.ButtonHeight);
        out.Solve = At(left + previewWidth - metrics.SolveWidth, y, metrics.SolveWidth,
                       metrics.ButtonHeight);
    }
    return out;
}

}  // namespace xs
