// Drawing of board and preview squares through the drawing surface.
#include "solve/board_render.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace xs {

namespace {

// The canvas draws both end points of a line and the pen's outline inside a rectangle, so the
// last pixel of a square is one less than its exclusive right and bottom edges.
void EdgeLines(TCanvas& canvas, const TRect& r) {
    canvas.SetPen(kBlack);
    canvas.Line(r.Left, r.Top, r.Left, r.Bottom - 1);
    canvas.Line(r.Left, r.Top, r.Right - 1, r.Top);
}

void BlankSquare(TCanvas& canvas, const TRect& r) {
    canvas.SetPen(kWhite);
    canvas.SetBrush(kWhite);
    canvas.Rectangle(r);
}

bool InGrid(int row, int col) {
    return row >= 0 && row < kGridRows && col >= 0 && col < kGridCols;
}

struct TClueLook {
    TColor Across = kNavy;  // background of the across total
    TColor Down = kNavy;
    bool AcrossLit = false;
    bool DownLit = false;
    TColor AcrossLight = kHighlightOrange;  // the lit triangle's colour
    TColor DownLight = kHighlightOrange;
};

// Navy square, the two totals and the diagonal; `lit` says which total stands on the highlight.
// The font is set by the caller.
void ClueTotals(TCanvas& canvas, const TSquare& sq, const TRect& r, const TClueLook& look) {
    const int half = (r.Bottom - r.Top) / 2;
    if (sq.AcrossTotal != 0) {
        const std::string text = std::to_string(sq.AcrossTotal);
        canvas.SetBrush(look.Across);
        canvas.SetTextColor(look.AcrossLit ? kBlack : kWhite);
        const int x = r.Left + half + (half - canvas.TextWidth(text)) / 2;
        const int y = r.Top + (half - canvas.TextHeight(text)) / 2 + 1;
        canvas.TextOut(x, y, text);
    }
    if (sq.DownTotal != 0) {
        const std::string text = std::to_string(sq.DownTotal);
        canvas.SetBrush(look.Down);
        canvas.SetTextColor(look.DownLit ? kBlack : kWhite);
        const int x = r.Left + (half - canvas.TextWidth(text)) / 2 + 1;
        const int y = r.Top + half + (half - canvas.TextHeight(text)) / 2;
        canvas.TextOut(x, y, text);
    }
    if (static_cast<std::int64_t>(sq.AcrossTotal) + sq.DownTotal > 0) {
        canvas.SetPen(kWhite);
        canvas.Line(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
    }
}

void ClueSquare(TCanvas& canvas, const TBoardView& view, int col, int row, const TRect& r) {
    const TSquare& sq = view.Grid->Sq[row][col];
    canvas.SetPen(kBlack);
    canvas.SetBrush(kNavy);
    canvas.Rectangle(r);
    // A zoomed board's totals grow with the square, stepping down where the largest total would
    // not fit half the square.
    const int least = r.Width() < kLargeFontSquare ? 8 : 10;
    for (int points = std::max(least, view.CluePoints);; --points) {
        canvas.SetFont("MS Sans Serif", points, false);
        const int half = r.Height() / 2;
        if (points <= least || (canvas.TextHeight("45") <= half && canvas.TextWidth("45") < half))
            break;
    }

    TClueLook look;
    const auto light = [&look](bool down, TColor colour) {
        (down ? look.DownLit : look.AcrossLit) = true;
        (down ? look.DownLight : look.AcrossLight) = colour;
    };
    const TSelectedRun* sel = view.Selected;
    if (sel != nullptr && sel->ClueRow == row && sel->ClueCol == col)
        light(sel->IsDown != 0, view.Highlight);
    if (view.Overlay != nullptr) {
        for (const THintRun& run : view.Overlay->HintRuns)
            if (run.ClueRow == row && run.ClueCol == col) light(run.Down, kHintColour);
    }
    const int right = r.Right - 1;
    const int bottom = r.Bottom - 1;
    canvas.SetPen(kBlack);
    if (look.AcrossLit) {
        look.Across = look.AcrossLight;
        canvas.SetBrush(look.Across);
        const std::array<TPoint, 3> triangle{TPoint{r.Left, r.Top}, TPoint{right, r.Top},
                                             TPoint{right, bottom}};
        canvas.Polygon(triangle);
    }
    if (look.DownLit) {
        look.Down = look.DownLight;
        canvas.SetBrush(look.Down);
        const std::array<TPoint, 3> triangle{TPoint{r.Left, r.Top}, TPoint{right, bottom},
                                             TPoint{r.Left, bottom}};
        canvas.Polygon(triangle);
    }
    ClueTotals(canvas, sq, r, look);
}

// Digit colour and pad-cell colour of a pad digit.
struct TPadLook {
    TColor Text;
    TColor Back;
};

TPadLook PadLook(int possibleCheck, bool marked, TColor blank) {
    switch (possibleCheck) {
        case 1:
            return marked ? TPadLook{kBlue, kRed} : TPadLook{kRed, kRed};
        case 2:
            return marked ? TPadLook{kBlue, kLightGreen} : TPadLook{kLightGreen, kLightGreen};
        default:
            return marked ? TPadLook{kBlue, kLightYellow} : TPadLook{kSilver, blank};
    }
}

// `blank`: the background of a digit not marked, without check colours.
void Pad(TCanvas& canvas, const TSquare& sq, int possibleCheck, const TRect& r, int points,
         TColor blank) {
    const int t = (r.Bottom - r.Top) / 3;
    const int xs[4] = {r.Left, r.Left + t, r.Right - t, r.Right};
    const int ys[4] = {r.Top, r.Top + t, r.Bottom - t, r.Bottom};
    // The outer pad cells are the smallest: the font steps down until a digit fits them, so no
    // digit is clipped.
    for (;; --points) {
        canvas.SetFont("Small Fonts", points, false);
        if (points <= 1 || (canvas.TextHeight("9") <= t + 1 && canvas.TextWidth("8") <= t)) break;
    }
    const int nineHeight = canvas.TextHeight("9");
    for (int d = 1; d <= 9; ++d) {
        const int padRow = (d - 1) / 3;
        const int padCol = (d - 1) % 3;
        const TRect cell{xs[padCol], ys[padRow], xs[padCol + 1], ys[padRow + 1]};
        const TPadLook look = PadLook(possibleCheck, sq.IsPossible(d), blank);
        const char text[2] = {static_cast<char>('0' + d), '\0'};
        canvas.SetBrush(look.Back);
        canvas.SetTextColor(look.Text);
        const int x = cell.Left + ((cell.Right - cell.Left + 1) - canvas.TextWidth(text)) / 2;
        const int y = cell.Top + ((cell.Bottom - cell.Top + 1) - nineHeight) / 2;
        canvas.TextRect(cell, x, y, text);
    }
    canvas.SetPen(kSilver);
    canvas.Line(r.Left, ys[1], r.Right - 1, ys[1]);
    canvas.Line(r.Left, ys[2], r.Right - 1, ys[2]);
    canvas.Line(xs[1], r.Top, xs[1], r.Bottom - 1);
    canvas.Line(xs[2], r.Top, xs[2], r.Bottom - 1);
}

// The entry digit centred in the square on `back`.
void EntryText(TCanvas& canvas, const TSquare& sq, const TRect& r, TColor back) {
    const std::string text = std::to_string(sq.Entry);
    canvas.SetBrush(back);
    canvas.SetTextColor(kBlack);
    const int x = r.Left + ((r.Right - r.Left) - canvas.TextWidth(text)) / 2;
    const int y = r.Top + ((r.Bottom - r.Top) - canvas.TextHeight(text)) / 2;
    canvas.TextOut(x, y, text);
}

void WhiteSquare(TCanvas& canvas, const TBoardView& view, int col, int row, const TRect& r) {
    const TSquare& sq = view.Grid->Sq[row][col];
    const int entryCheck = view.Checks != nullptr ? view.Checks->EntryCheck[row][col] : 0;
    const int possibleCheck = view.Checks != nullptr ? view.Checks->PossibleCheck[row][col] : 0;
    const TBoardOverlay* overlay = view.Overlay;
    const bool target =
        overlay != nullptr && overlay->TargetRow == row && overlay->TargetCol == col;
    TColor back = target ? kHintTargetTint : kWhite;
    TRect fill = r;
    if (entryCheck == 1 || entryCheck == 2) {
        back = entryCheck == 1 ? kRed : kLightGreen;
        fill.Right += 1;
        fill.Bottom += 1;
    }
    canvas.SetPen(kWhite);
    canvas.SetBrush(back);
    canvas.Rectangle(fill);
    if (sq.Entry != 0) {
        canvas.SetFont("Arial", r.Width() < kLargeFontSquare ? 16 : 18, false);
        EntryText(canvas, sq, r, back);
    } else {
        Pad(canvas, sq, possibleCheck, r, view.PadPoints, back);
    }
}

// Preview clue fonts, largest first; a step is taken while a line is taller than half a square.
struct TPreviewFont {
    const char* Face;
    int Points;
};
constexpr TPreviewFont kPreviewClueFonts[] = {
    {"Arial", 10}, {"Arial", 8}, {"Small Fonts", 7}, {"Small Fonts", 6}, {"Small Fonts", 5}};

void SetPreviewClueFont(TCanvas& canvas, int half) {
    for (const TPreviewFont& f : kPreviewClueFonts) {
        canvas.SetFont(f.Face, f.Points, false);
        if (canvas.TextHeight("x") <= half) return;
    }
}

bool AnyMark(const TSquare& sq) {
    return std::any_of(std::begin(sq.Possible), std::end(sq.Possible),
                       [](std::uint8_t p) { return p != 0; });
}

// The range limited to the grid.
TCellRange Clipped(const TCellRange& range) {
    return {std::max(range.FirstRow, 0), std::max(range.FirstCol, 0),
            std::min(range.LastRow, kGridRows - 1), std::min(range.LastCol, kGridCols - 1)};
}

// Grid-line colour under the range, then every square of it through drawCell(col, row, rect).
// Squares keep their place relative to the origin when the range is clipped to the grid.
template <typename TDrawCell>
void PaintRange(TCanvas& canvas, const TGridGeometry& geometry, const TCellRange& range,
                TColor gridLine, TDrawCell drawCell) {
    const TCellRange in = Clipped(range);
    TGridGeometry shifted = geometry;
    const int step = geometry.Square + geometry.Line;
    shifted.OriginX += step * (in.FirstCol - range.FirstCol);
    shifted.OriginY += step * (in.FirstRow - range.FirstRow);
    canvas.SetBrush(gridLine);
    canvas.FillRect(GridArea(shifted, in));
    for (int r = in.FirstRow; r <= in.LastRow; ++r)
        for (int c = in.FirstCol; c <= in.LastCol; ++c)
            drawCell(c, r, GridSquareRect(shifted, in, r, c));
}

// A frame `inside` pixels deep inside the rectangle and `outside` pixels beyond it.
void Frame(TCanvas& canvas, const TRect& r, int outside, int inside, TColor colour) {
    const TRect o{r.Left - outside, r.Top - outside, r.Right + outside, r.Bottom + outside};
    canvas.SetBrush(colour);
    canvas.FillRect({o.Left, o.Top, o.Right, r.Top + inside});
    canvas.FillRect({o.Left, r.Bottom - inside, o.Right, o.Bottom});
    canvas.FillRect({o.Left, o.Top, r.Left + inside, o.Bottom});
    canvas.FillRect({r.Right - inside, o.Top, o.Right, o.Bottom});
}

// The same frame in dashes: what a block step takes away rather than adds.
void DashedFrame(TCanvas& canvas, const TRect& r, int outside, int inside, TColor colour) {
    const TRect o{r.Left - outside, r.Top - outside, r.Right + outside, r.Bottom + outside};
    const int dash = std::max(4, (r.Bottom - r.Top) / 5);
    canvas.SetBrush(colour);
    for (int x = o.Left; x < o.Right; x += 2 * dash) {
        const int end = std::min(o.Right, x + dash);
        canvas.FillRect({x, o.Top, end, r.Top + inside});
        canvas.FillRect({x, r.Bottom - inside, end, o.Bottom});
    }
    for (int y = o.Top; y < o.Bottom; y += 2 * dash) {
        const int end = std::min(o.Bottom, y + dash);
        canvas.FillRect({o.Left, y, r.Left + inside, end});
        canvas.FillRect({r.Right - inside, y, o.Right, end});
    }
}

void PaintOverlay(TCanvas& canvas, const TBoardView& view, const TGridGeometry& geometry,
                  const TCellRange& range) {
    const TBoardOverlay* overlay = view.Overlay;
    if (overlay == nullptr || view.Grid == nullptr) return;
    const int line = geometry.Line;
    const auto frameRun = [&](const THintRun& run, TColor colour) {
        if (!InGrid(run.ClueRow, run.ClueCol)) return;
        const int dr = run.Down ? 1 : 0;
        const int dc = run.Down ? 0 : 1;
        int n = 0;
        while (InGrid(run.ClueRow + dr * (n + 1), run.ClueCol + dc * (n + 1)) &&
               view.Grid->Sq[run.ClueRow + dr * (n + 1)][run.ClueCol + dc * (n + 1)].Kind == White)
            ++n;
        if (n == 0) return;
        const TRect first = GridSquareRect(geometry, range, run.ClueRow + dr, run.ClueCol + dc);
        const TRect last =
            GridSquareRect(geometry, range, run.ClueRow + dr * n, run.ClueCol + dc * n);
        const TRect area{first.Left, first.Top, last.Right, last.Bottom};
        if (run.Minus) {
            DashedFrame(canvas, area, line, kHintFrameInside, colour);
        } else {
            Frame(canvas, area, line, kHintFrameInside, colour);
        }
    };
    // A hint's frames over those of runs in conflict.
    for (const THintRun& run : overlay->ConflictRuns) frameRun(run, kConflictColour);
    for (const THintRun& run : overlay->HintRuns) frameRun(run, kHintColour);
    for (const THintCell& cell : overlay->HintCells)
        if (InGrid(cell.Row, cell.Col))
            Frame(canvas, GridSquareRect(geometry, range, cell.Row, cell.Col), line,
                  kHintFrameInside, kHintColour);
    if (InGrid(overlay->CursorRow, overlay->CursorCol)) {
        const TRect r = GridSquareRect(geometry, range, overlay->CursorRow, overlay->CursorCol);
        Frame(canvas, r, line, 1, overlay->MarksOn ? kMarksCursorColour : kCursorColour);
    }
    // The hint's own square: a ring twice as deep as a run's frame shows inside the cursor's.
    if (InGrid(overlay->TargetRow, overlay->TargetCol)) {
        const TRect r = GridSquareRect(geometry, range, overlay->TargetRow, overlay->TargetCol);
        Frame(canvas, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, 0, 2, kHintColour);
    }
}

}  // namespace

int PadFontPoints(int square, int fittedSquare) {
    if (fittedSquare <= 0 || square <= fittedSquare) return 6;
    return 6 * square / fittedSquare;
}

int ClueFontPoints(int square, int fittedSquare) {
    const int own = square < kLargeFontSquare ? 8 : 10;
    if (fittedSquare <= 0 || square <= fittedSquare) return own;
    const int atZero = fittedSquare < kLargeFontSquare ? 8 : 10;
    return std::max(own, atZero * square / fittedSquare);
}

void dgGridDrawCell(TCanvas& canvas, const TBoardView& view, int col, int row, const TRect& rect) {
    const std::uint8_t kind = InGrid(row, col) && view.Grid != nullptr
                                  ? view.Grid->Sq[row][col].Kind
                                  : static_cast<std::uint8_t>(Outside);
    if (kind == Black) {
        ClueSquare(canvas, view, col, row, rect);
    } else if (kind == White) {
        WhiteSquare(canvas, view, col, row, rect);
    } else {
        BlankSquare(canvas, rect);
    }
    EdgeLines(canvas, rect);
}

void dgSmallDrawCell(TCanvas& canvas, const TPuzzleGrid& grid, int col, int row,
                     const TRect& rect) {
    const std::uint8_t kind =
        InGrid(row, col) ? grid.Sq[row][col].Kind : static_cast<std::uint8_t>(Outside);
    if (kind == Black) {
        canvas.SetPen(kBlack);
        canvas.SetBrush(kNavy);
        canvas.Rectangle(rect);
        SetPreviewClueFont(canvas, (rect.Bottom - rect.Top) / 2);
        ClueTotals(canvas, grid.Sq[row][col], rect, TClueLook{});
    } else if (kind == White) {
        const TSquare& sq = grid.Sq[row][col];
        const TColor back = sq.Entry == 0 && AnyMark(sq) ? kPaleYellow : kWhite;
        canvas.SetPen(back);
        canvas.SetBrush(back);
        canvas.Rectangle(rect);
        if (sq.Entry != 0) {
            canvas.SetFont("Arial", 12, false);
            EntryText(canvas, sq, rect, back);
        }
    }
    EdgeLines(canvas, rect);
}

TRect GridSquareRect(const TGridGeometry& geometry, const TCellRange& range, int row, int col) {
    const int step = geometry.Square + geometry.Line;
    const int left = geometry.OriginX + step * (col - range.FirstCol);
    const int top = geometry.OriginY + step * (row - range.FirstRow);
    return {left, top, left + geometry.Square, top + geometry.Square};
}

TRect CursorArea(const TGridGeometry& geometry, const TCellRange& range, int row, int col) {
    const TRect r = GridSquareRect(geometry, range, row, col);
    return {r.Left - geometry.Line, r.Top - geometry.Line, r.Right + geometry.Line,
            r.Bottom + geometry.Line};
}

TRect GridArea(const TGridGeometry& geometry, const TCellRange& range) {
    const int step = geometry.Square + geometry.Line;
    const int cols = std::max(0, range.LastCol - range.FirstCol + 1);
    const int rows = std::max(0, range.LastRow - range.FirstRow + 1);
    return {geometry.OriginX, geometry.OriginY, geometry.OriginX + step * cols,
            geometry.OriginY + step * rows};
}

void PaintBoard(TCanvas& canvas, const TBoardView& view, const TGridGeometry& geometry,
                const TCellRange& range, TColor gridLine) {
    PaintRange(canvas, geometry, range, gridLine,
               [&](int c, int r, const TRect& rect) { dgGridDrawCell(canvas, view, c, r, rect); });
    PaintOverlay(canvas, view, geometry, range);
}

void PaintPreview(TCanvas& canvas, const TPuzzleGrid& grid, const TGridGeometry& geometry,
                  const TCellRange& range, TColor gridLine) {
    PaintRange(canvas, geometry, range, gridLine,
               [&](int c, int r, const TRect& rect) { dgSmallDrawCell(canvas, grid, c, r, rect); });
}

}  // namespace xs
