// The hints screen's example grids and their drawing.
#include "hints/hint_pictures.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/combinations.h"

namespace xs {

namespace {

// A grid from its answers, row by row from (0, 0): 0 is a black square, 1..9 a white square with
// that answer. Every black square gets the totals of the runs of two or more squares after it,
// so the totals always agree with the answers.
TPuzzleGrid GridFromAnswers(std::initializer_list<std::initializer_list<int>> rows) {
    TPuzzleGrid g{};
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (const int a : row) {
            TSquare& sq = g.Sq[r][c];
            sq.Kind = a == 0 ? Black : White;
            if (a != 0) sq.SetAnswer(a);
            ++c;
        }
        ++r;
    }
    for (int row = 0; row < kGridRows; ++row) {
        for (int col = 0; col < kGridCols; ++col) {
            TSquare& sq = g.Sq[row][col];
            if (sq.Kind != Black) continue;
            int across = 0;
            int acrossTotal = 0;
            while (col + across + 1 < kGridCols && g.Sq[row][col + across + 1].Kind == White) {
                acrossTotal += g.Sq[row][col + across + 1].Answer();
                ++across;
            }
            int down = 0;
            int downTotal = 0;
            while (row + down + 1 < kGridRows && g.Sq[row + down + 1][col].Kind == White) {
                downTotal += g.Sq[row + down + 1][col].Answer();
                ++down;
            }
            if (across >= 2) {
                sq.AcrossTotal = acrossTotal;
                sq.AcrossSquares = static_cast<std::uint8_t>(across);
            }
            if (down >= 2) {
                sq.DownTotal = downTotal;
                sq.DownSquares = static_cast<std::uint8_t>(down);
            }
        }
    }
    return g;
}

struct TAt {
    int Row;
    int Col;
};

// Enters the answers of the squares, as the player would.
void Fill(THintPicture& picture, std::initializer_list<TAt> squares) {
    for (const TAt at : squares) {
        TSquare& sq = picture.Grid.Sq[at.Row][at.Col];
        sq.Entry = static_cast<std::uint8_t>(sq.Answer());
    }
    picture.Selected = TSelectedRun{};
}

THintPicture Start(const TPuzzleGrid& grid, const TCellRange& range, bool puzzleLook = false) {
    THintPicture p;
    p.Grid = grid;
    p.Range = range;
    p.PuzzleLook = puzzleLook;
    return p;
}

// The top left corner of a puzzle: 3 across and 4 down share their first square.
const TPuzzleGrid& CornerGrid() {
    static const TPuzzleGrid grid = GridFromAnswers({{0, 0, 0}, {0, 1, 2}, {0, 3, 5}});
    return grid;
}
constexpr TCellRange kCornerRange{0, 0, 2, 2};

// The worked example: across 15, 11 and 6, down 13, 10, 3 and 7; the last square of the 7 is
// counted in no across total of the region (its own total, 9, runs on to the right).
const TPuzzleGrid& ExampleGrid() {
    static const TPuzzleGrid grid = GridFromAnswers({{0, 0, 0, 0, 0, 0},
                                                     {0, 8, 7, 0, 0, 0},
                                                     {0, 5, 3, 1, 2, 0},
                                                     {0, 0, 0, 2, 4, 0},
                                                     {0, 0, 0, 0, 1, 8}});
    return grid;
}
constexpr TCellRange kExampleRange{0, 0, 4, 4};

// A total of 4 over two squares.
const TPuzzleGrid& RunGrid() {
    static const TPuzzleGrid grid = GridFromAnswers({{0, 0, 0}, {0, 1, 3}});
    return grid;
}
constexpr TCellRange kRunRange{1, 0, 1, 2};

std::array<THintStrip, kHintStrips> MakeStrips() {
    std::array<THintStrip, kHintStrips> strips;
    const auto at = [&strips](THintStripId id) -> THintStrip& {
        return strips[static_cast<std::size_t>(id)];
    };

    at(THintStripId::Corner) = {Start(CornerGrid(), kCornerRange, true)};

    THintPicture corner = Start(CornerGrid(), kCornerRange);
    ClickTotal(corner, 1, 0, false);
    THintPicture shared = corner;
    ClickTotal(shared, 0, 1, true);
    THintPicture one = shared;
    Fill(one, {{1, 1}});
    THintPicture rest = one;
    Fill(rest, {{1, 2}, {2, 1}});
    at(THintStripId::CornerSteps) = {corner, shared, one, rest};

    THintPicture plain = Start(RunGrid(), kRunRange);
    THintPicture marked = plain;
    ClickTotal(marked, 1, 0, false);
    plain.Pointer = {1, 0, 0};
    at(THintStripId::ClickTotal) = {plain, marked};
    THintPicture unselected = marked;
    unselected.Selected = TSelectedRun{};
    THintPicture clickOne = unselected;
    clickOne.Pointer = {1, 1, 1};
    THintPicture filled = unselected;
    Fill(filled, {{1, 1}});
    filled.Pointer = {1, 1, 0};
    at(THintStripId::FillSquare) = {clickOne, filled, unselected};
    THintPicture clickThree = unselected;
    clickThree.Pointer = {1, 1, 3};
    THintPicture toggled = unselected;
    toggled.Grid.Sq[1][1].Possible[3 - 1] = 0;
    at(THintStripId::ToggleMark) = {clickThree, toggled};

    // Page 3: the 11 across, then the 13 and 10 down, then the 3 and 7 down.
    THintPicture a1 = Start(ExampleGrid(), kExampleRange);
    // The across 9 of the bottom row goes on past the picture, and so does every picture after.
    a1.TornRight = true;
    ClickTotal(a1, 2, 0, false);
    THintPicture a2 = a1;
    ClickTotal(a2, 0, 1, true);
    ClickTotal(a2, 0, 2, true);
    THintPicture a3 = a2;
    ClickTotal(a3, 1, 3, true);
    ClickTotal(a3, 1, 4, true);
    at(THintStripId::ExampleA) = {a1, a2, a3};

    // Page 4: 5 and 3, the 13 and 10 again, 8 and 7.
    THintPicture b1 = a3;
    Fill(b1, {{2, 1}, {2, 2}});
    THintPicture b2 = b1;
    ClickTotal(b2, 0, 1, true);
    ClickTotal(b2, 0, 2, true);
    THintPicture b3 = b2;
    Fill(b3, {{1, 1}, {1, 2}});
    at(THintStripId::ExampleB) = {b1, b2, b3};

    // Page 5: the 6 across gives 2 and 4, the rest follows.
    THintPicture c1 = b3;
    ClickTotal(c1, 3, 2, false);
    const TSelectedRun six = c1.Selected;
    Fill(c1, {{3, 3}, {3, 4}});
    c1.Selected = six;
    THintPicture c2 = c1;
    Fill(c2, {{2, 3}, {2, 4}});
    THintPicture c3 = c2;
    Fill(c3, {{4, 4}});
    at(THintStripId::ExampleC) = {c1, c2, c3};
    return strips;
}

}  // namespace

void ClickTotal(THintPicture& picture, int clueRow, int clueCol, bool down) {
    TPuzzleGrid& g = picture.Grid;
    const TSquare& clue = g.Sq[clueRow][clueCol];
    const int squares = down ? clue.DownSquares : clue.AcrossSquares;
    const int total = down ? clue.DownTotal : clue.AcrossTotal;
    const int dr = down ? 1 : 0;
    const int dc = down ? 0 : 1;

    std::uint8_t placed[10] = {};
    int left = squares;
    int rest = total;
    for (int k = 1; k <= squares; ++k) {
        const int entry = g.Sq[clueRow + dr * k][clueCol + dc * k].Entry;
        if (entry < 1 || entry > 9) continue;
        placed[entry] = 1;
        --left;
        rest -= entry;
    }
    TDigitFlags allowed = {};
    std::int32_t error = 0;
    if (left >= 1) LookupPossibleDigits(left, rest, allowed, error);
    if (error != 0) std::fill(std::begin(allowed), std::end(allowed), std::uint8_t{0});

    for (int k = 1; k <= squares; ++k) {
        TSquare& sq = g.Sq[clueRow + dr * k][clueCol + dc * k];
        if (sq.Entry != 0) continue;
        const bool unmarked = std::none_of(std::begin(sq.Possible), std::end(sq.Possible),
                                           [](std::uint8_t p) { return p != 0; });
        for (int d = 1; d <= 9; ++d) {
            const bool keep = allowed[d] != 0 && placed[d] == 0 && (unmarked || sq.IsPossible(d));
            sq.Possible[d - 1] = keep ? 1 : 0;
        }
    }

    TSelectedRun& sel = picture.Selected;
    sel = TSelectedRun{};
    sel.RunSquares = squares;
    sel.RunTotal = total;
    for (int d = 1; d <= 9; ++d) sel.Placed[d] = placed[d];
    sel.ClueRow = clueRow;
    sel.ClueCol = clueCol;
    sel.IsDown = down ? 1 : 0;
}

const THintStrip& HintStrip(THintStripId id) {
    static const std::array<THintStrip, kHintStrips> strips = MakeStrips();
    return strips[static_cast<std::size_t>(id)];
}

int HintArrowWidth(int square) {
    return square * 2 / 3 + 12;
}

namespace {

TRect PictureArea(const THintPicture& p, int square, int left, int top) {
    TRect area = GridArea({left, top, square, kBoardGridLine}, p.Range);
    if (p.TornRight) area.Right += HintTornWidth(square);
    return area;
}

// The first part of the column after the range, each square navy or white as the grid has it,
// its right edge torn: a zigzag in the background colour.
void PaintTornEdge(TCanvas& canvas, const THintPicture& p, const TGridGeometry& geometry,
                   TColor background) {
    const TRect grid = GridArea(geometry, p.Range);
    const int torn = HintTornWidth(geometry.Square);
    const int col = p.Range.LastCol + 1;
    canvas.SetBrush(kBlack);
    canvas.FillRect({grid.Right, grid.Top, grid.Right + torn, grid.Bottom});
    for (int r = p.Range.FirstRow; r <= p.Range.LastRow; ++r) {
        const bool white = col < kGridCols && p.Grid.Sq[r][col].Kind == White;
        const TRect sq = GridSquareRect(geometry, p.Range, r, p.Range.LastCol);
        canvas.SetBrush(white ? kWhite : kNavy);
        canvas.FillRect({grid.Right + 1, sq.Top + 1, grid.Right + torn, sq.Bottom});
    }
    // Teeth a third of the strip deep, about as tall as they are deep.
    const int depth = std::max(2, torn / 3);
    const int teeth = std::max(1, grid.Height() / (2 * depth));
    std::vector<TPoint> edge{{grid.Right + torn, grid.Top}};
    for (int i = 0; i <= teeth; ++i) {
        const int y = grid.Top + grid.Height() * i / teeth;
        edge.push_back({grid.Right + torn - (i % 2 == 0 ? 0 : depth), y});
    }
    edge.push_back({grid.Right + torn, grid.Bottom});
    canvas.SetPen(background);
    canvas.SetBrush(background);
    canvas.Polygon(edge);
}

// A two-pixel red frame round the pad cell of `digit` (the pad's thirds, as the board draws
// them), or round the whole square for digit 0.
void PaintPointer(TCanvas& canvas, const TRect& square, int digit) {
    TRect r = square;
    if (digit >= 1 && digit <= 9) {
        const int t = square.Height() / 3;
        const int xs[4] = {square.Left, square.Left + t, square.Right - t, square.Right};
        const int ys[4] = {square.Top, square.Top + t, square.Bottom - t, square.Bottom};
        const int padRow = (digit - 1) / 3;
        const int padCol = (digit - 1) % 3;
        r = {xs[padCol], ys[padRow], xs[padCol + 1], ys[padRow + 1]};
    }
    canvas.SetPen(kRed);
    canvas.FrameRect(r);
    canvas.FrameRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
}

}  // namespace

int HintStripWidth(const THintStrip& strip, int square) {
    int width = 0;
    for (const THintPicture& p : strip) width += PictureArea(p, square, 0, 0).Width();
    if (!strip.empty()) width += HintArrowWidth(square) * static_cast<int>(strip.size() - 1);
    return width;
}

int HintTornWidth(int square) {
    return std::max(6, square * 2 / 5);
}

TRect HintArrowSpan(const THintStrip& strip, int square, int width, int index) {
    int left = std::max(0, (width - HintStripWidth(strip, square)) / 2);
    for (int i = 0; i <= index && i < static_cast<int>(strip.size()); ++i)
        left += PictureArea(strip[static_cast<std::size_t>(i)], square, 0, 0).Width() +
                (i < index ? HintArrowWidth(square) : 0);
    return {left, 0, left + HintArrowWidth(square), 0};
}

int HintStripHeight(const THintStrip& strip, int square) {
    int height = 0;
    for (const THintPicture& p : strip)
        height = std::max(height, PictureArea(p, square, 0, 0).Height());
    return height;
}

int HintSquareForWidth(const THintStrip& strip, int width, int minSquare, int maxSquare) {
    for (int square = maxSquare; square > minSquare; --square) {
        if (HintStripWidth(strip, square) <= width) return square;
    }
    return minSquare;
}

void PaintHintArrow(TCanvas& canvas, const TRect& area) {
    const int mid = area.Top + area.Height() / 2;
    const int head = std::min(area.Width() / 2, std::max(6, area.Height() / 2));
    const int shaft = std::max(1, area.Height() / 6);
    canvas.SetPen(kNavy);
    canvas.SetBrush(kNavy);
    canvas.FillRect({area.Left, mid - shaft, area.Right - head + 1, mid + shaft + 1});
    const TPoint tip[3] = {{area.Right - head, mid - head * 3 / 4},
                           {area.Right - 1, mid},
                           {area.Right - head, mid + head * 3 / 4}};
    canvas.Polygon(tip);
}

void PaintHintStrip(TCanvas& canvas, const THintStrip& strip, int square, int width, int height,
                    TColor background) {
    canvas.SetBrush(background);
    canvas.FillRect({0, 0, width, height});
    const int stripHeight = HintStripHeight(strip, square);
    const int arrow = HintArrowWidth(square);
    int left = std::max(0, (width - HintStripWidth(strip, square)) / 2);
    const int top = std::max(0, (height - stripHeight) / 2);
    for (std::size_t i = 0; i < strip.size(); ++i) {
        const THintPicture& p = strip[i];
        const TRect area = PictureArea(p, square, left, top);
        // A picture lower than the strip stands in its middle.
        const TGridGeometry geometry{left, top + (stripHeight - area.Height()) / 2, square,
                                     kBoardGridLine};
        if (p.PuzzleLook) {
            PaintPreview(canvas, p.Grid, geometry, p.Range);
        } else {
            PaintBoard(canvas, {&p.Grid, nullptr, &p.Selected}, geometry, p.Range);
        }
        if (p.TornRight) PaintTornEdge(canvas, p, geometry, background);
        if (p.Pointer.Row >= 0)
            PaintPointer(canvas, GridSquareRect(geometry, p.Range, p.Pointer.Row, p.Pointer.Col),
                         p.Pointer.Digit);
        left = area.Right;
        if (i + 1 < strip.size()) {
            const int arrowHeight = std::min(stripHeight, square / 2 + 8);
            const int arrowTop = top + (stripHeight - arrowHeight) / 2;
            PaintHintArrow(canvas, {left + 6, arrowTop, left + arrow - 6, arrowTop + arrowHeight});
            left += arrow;
        }
    }
}

void dgValuesDrawCell(TCanvas& canvas, const std::uint8_t (&flags)[10], int col, int row,
                      const TRect& rect) {
    const int digit = 3 * row + col + 1;
    const TColor back = digit >= 1 && digit <= 9 && flags[digit] != 0 ? kYellow : kWhite;
    canvas.SetPen(kBlack);
    canvas.SetBrush(back);
    canvas.Rectangle(rect);
    canvas.SetFont("Arial", 20, true);
    canvas.SetTextColor(kNavy);
    const std::string text = std::to_string(digit);
    const int x = rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2;
    const int y = rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2;
    canvas.TextOut(x, y, text);
}

}  // namespace xs
