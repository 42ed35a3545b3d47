// Drawing of printed pages through the drawing surface.
#include "manage/print_render.h"

#include <algorithm>
#include <string>

#include "model/slot_check.h"
#include "model/translate.h"

namespace xs {

const char* const kPrintFooterText =
    "Fill every run with the digits 1 to 9 to make its total, no digit twice in a run";

namespace {

constexpr std::string_view kSmallFace = "Small Fonts";
constexpr int kSmallFaceBelow = 8;

struct TFontChoice {
    std::string_view Face;
    int Points = 0;
    bool Bold = false;
};

// The sizes fonts have settled on for given room on one page: the positions of a page mostly
// share their geometry, and stepping a font down measures the text at every size.
class TFitMemo {
public:
    struct TKey {
        int Start = 0;  // the starting size tells the steps apart
        int RoomA = 0;
        int RoomB = 0;
        friend bool operator==(const TKey&, const TKey&) = default;
    };
    const int* Find(const TKey& key) const {
        for (int i = 0; i < Count; ++i) {
            if (Keys[i] == key) return &Points[i];
        }
        return nullptr;
    }
    void Add(const TKey& key, int points) {
        if (Count == kSize) return;
        Keys[Count] = key;
        Points[Count] = points;
        ++Count;
    }

private:
    static constexpr int kSize = 40;
    std::array<TKey, kSize> Keys{};
    std::array<int, kSize> Points{};
    int Count = 0;
};

// Sets the font at `points` and steps it down one point at a time while it does not fit and the
// size is above `floor`. Below 8 points the face is "Small Fonts" and, with regularWhenSmall, the
// style regular. The fit depends only on the room in `key`, so a size found once for that room
// on the page is used again.
template <typename Fits>
TFontChoice FitFont(TCanvas& canvas, TFitMemo& memo, const TFitMemo::TKey& key, bool bold,
                    int floor, bool regularWhenSmall, Fits fits) {
    TFontChoice font;
    auto apply = [&](int size) {
        const bool small = size < kSmallFaceBelow;
        font = {small ? kSmallFace : kPrintFace, size, bold && !(small && regularWhenSmall)};
        canvas.SetFont(font.Face, font.Points, font.Bold);
    };
    if (const int* known = memo.Find(key)) {
        apply(*known);
        return font;
    }
    apply(key.Start);
    while (!fits() && font.Points > floor) apply(font.Points - 1);
    memo.Add(key, font.Points);
    return font;
}

// The slot and kind of position q of the page, or slot 0 when the position stays blank.
struct TPositionPuzzle {
    int Slot = 0;
    bool Answer = false;
};

TPositionPuzzle FindPuzzle(const TPageSource& source, int page, int q) {
    TPositionPuzzle found;
    if (source.Slot > 0) {
        found = {source.Slot, page == 2 || q == 2};
    } else {
        const TPrintPlan& plan = *source.Plan;
        found.Answer = plan.Combined ? q > plan.SelectedCount : page > plan.PuzzlePages;
        const auto& placements = found.Answer ? plan.Answer : plan.Puzzle;
        for (int slot = 1; slot <= MaxPuzzles; ++slot) {
            if (placements[slot - 1] == TPlacement{page, q}) {
                found.Slot = slot;
                break;
            }
        }
    }
    if (found.Slot < 1 || found.Slot > MaxPuzzles ||
        ClassifySlot(*source.Library, found.Slot) != TSlotState::Valid) {
        found.Slot = 0;
    }
    return found;
}

// Sizes of the numbers 0..99 in the font in use, measured once each: a page writes the same
// few numbers hundreds of times.
class TNumberSizes {
public:
    explicit TNumberSizes(TCanvas& canvas) : Canvas(canvas) {}
    // The text of n and its size; n outside 0..99 is measured every time.
    std::string Text(int n, int& width, int& height) {
        std::string text = std::to_string(n);
        if (n < 0 || n >= kCount) {
            width = Canvas.TextWidth(text);
            height = Canvas.TextHeight(text);
            return text;
        }
        if (Width[n] < 0) {
            Width[n] = Canvas.TextWidth(text);
            Height[n] = Canvas.TextHeight(text);
        }
        width = Width[n];
        height = Height[n];
        return text;
    }

private:
    static constexpr int kCount = 100;
    TCanvas& Canvas;
    std::array<int, kCount> Width = MakeUnmeasured();
    std::array<int, kCount> Height{};

    static std::array<int, kCount> MakeUnmeasured() {
        std::array<int, kCount> a{};
        a.fill(-1);
        return a;
    }
};

// A digit centred in square (row, col); the square is white already, so no background.
void DrawDigit(TCanvas& canvas, TNumberSizes& sizes, const TGridLines& g, int row, int col,
               int digit) {
    int width = 0;
    int height = 0;
    const std::string text = sizes.Text(digit, width, height);
    canvas.TextOut(g.X[col] + (g.Square - width) / 2, g.Y[row + 1] + (g.Square - height + 1) / 2,
                   text);
}

// The square is filled in the scheme's colour first, so its totals need no background.
void DrawBlackSquare(TCanvas& canvas, TNumberSizes& sizes, const TPuzzleGrid& grid,
                     const TGridLines& g, int r, int c, int scale, TColor fill) {
    const TSquare& sq = grid.Sq[r][c];
    const int h = g.Square / 2;
    const int left = g.X[c];
    const int top = g.Y[r + 1];
    canvas.SetPen(kGray, scale);
    canvas.SetBrush(fill);
    canvas.Rectangle({left, top, g.X[c + 1] + 1, g.Y[r + 2] + 1});
    canvas.ClearBrush();
    int width = 0;
    int height = 0;
    if (sq.AcrossTotal != 0) {
        const std::string text = sizes.Text(sq.AcrossTotal, width, height);
        canvas.TextOut(left + h + (h - width) / 2, top + 1 + (h - height) / 2, text);
    }
    if (sq.DownTotal != 0) {
        const std::string text = sizes.Text(sq.DownTotal, width, height);
        canvas.TextOut(left + 1 + (h - width) / 2, top + h + (h - height) / 2, text);
    }
    canvas.SetPen(kWhite, scale);
    if (r > 0 && grid.Sq[r - 1][c].Kind == Black) HorzLine(canvas, left, top, g.X[c + 1]);
    if (c > 0 && grid.Sq[r][c - 1].Kind == Black) VertLine(canvas, left, top, g.Y[r + 2]);
    if (sq.AcrossTotal + sq.DownTotal > 0) canvas.Line(left, top, g.X[c + 1], g.Y[r + 2]);
}

void DrawPosition(TCanvas& canvas, TFitMemo& memo, const TPageContext& page,
                  const TPageSource& source, const TPositionPuzzle& at, const TGridLines& g) {
    const TPuzzleLibrary& library = *source.Library;
    const TPuzzleInfo& info = library.Info(at.Slot);
    const TPuzzleGrid& grid = library.Grid(at.Slot);
    const TPrintScheme scheme = PrintScheme(source.Colors);
    const int rows = g.Rows;
    const int cols = g.Cols;
    const int h = g.Square / 2;
    const int s = page.Scale;

    canvas.SetPen(scheme.Lines, s);
    canvas.SetBrush(kWhite);
    canvas.SetTextColor(kBlack);

    // Header: the id on the left, the star mark on the right.
    const int textWidth = g.X[cols - 1] - g.X[0];
    FitFont(canvas, memo, {12, g.Band, textWidth}, true, 2, false, [&] {
        return canvas.TextHeight("X") <= g.Band &&
               canvas.TextWidth(Tr("Texts", "Answer to puzzle : 99999")) <= textWidth;
    });
    // In the player's language: the header and footer are measured as they are printed.
    const std::string header =
        Fill(at.Answer ? Tr("Texts", "Answer to puzzle : %1") : Tr("Texts", "Puzzle Id : %1"),
             {std::to_string(info.Id)});
    TextInRect(canvas, g.X[0], g.X[cols], g.Y[0], g.Y[1], 0, 1, header);

    const int starBottom = g.Y[1] + (g.Y[2] - g.Y[1]) / 2;
    FitFont(canvas, memo, {26, starBottom - g.Y[0], 0}, true, 2, false,
            [&] { return canvas.TextHeight("*") <= starBottom - g.Y[0]; });
    const std::string stars(static_cast<std::size_t>(info.Difficulty), '*');
    TextInRect(canvas, g.X[cols - 2] - canvas.TextWidth(stars), g.X[cols], g.Y[0], starBottom, 2, 0,
               stars);

    if (!at.Answer) {
        FitFont(canvas, memo, {10, textWidth, 0}, false, 2, false,
                [&] { return canvas.TextWidth(Tr("Texts", kPrintFooterText)) <= textWidth; });
        TextInCells(canvas, g, 0, cols, g.Last - 1, g.Last, 1, 1, Tr("Texts", kPrintFooterText));
    }

    const TFontChoice clue = FitFont(canvas, memo, {14, h, 0}, true, 2, true, [&] {
        return canvas.TextWidth("24") <= h - 1 && canvas.TextHeight("2") <= h - 1;
    });

    // Grid lines; a puzzle's footer band stays one undivided box.
    for (int k = 1; k <= g.Last; ++k) HorzLine(canvas, g.X[0], g.Y[k], g.X[cols]);
    for (int k = 0; k <= cols; ++k) {
        const bool edge = k == 0 || k == cols;
        VertLine(canvas, g.X[k], g.Y[1], at.Answer || edge ? g.Y[g.Last] : g.Y[g.Last - 1]);
    }

    canvas.SetTextColor(scheme.ClueText);
    canvas.SetFont(clue.Face, clue.Points, false);
    TNumberSizes clueSizes(canvas);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (grid.Sq[r][c].Kind == Black) {
                DrawBlackSquare(canvas, clueSizes, grid, g, r, c, s, scheme.BlackSquares);
            }
        }
    }

    canvas.ClearBrush();
    canvas.SetTextColor(kBlack);
    const int digitRoom = 3 * g.Square / 4;
    FitFont(canvas, memo, {20, digitRoom, 0}, false, 1, false, [&] {
        return canvas.TextWidth("9") <= digitRoom && canvas.TextHeight("9") <= digitRoom;
    });
    // A puzzle position shows the player's entries when they are printed; an answer position
    // shows the solution alone, since an entry under an answer digit would merge with it.
    TNumberSizes digitSizes(canvas);
    const TPuzzleGrid* entries = source.Slot > 0 && !at.Answer ? source.Entries : nullptr;
    for (int r = 1; r < rows; ++r) {
        for (int c = 1; c < cols; ++c) {
            if (grid.Sq[r][c].Kind != White) continue;
            const int digit = at.Answer            ? grid.Sq[r][c].Answer()
                              : entries != nullptr ? entries->Sq[r][c].Entry
                                                   : 0;
            if (digit >= 1 && digit <= 9) DrawDigit(canvas, digitSizes, g, r, c, digit);
        }
    }

    // One frame around header and grid.
    canvas.SetPen(kGray, s);
    HorzLine(canvas, g.X[0], g.Y[0], g.X[cols]);
    HorzLine(canvas, g.X[0], g.Y[rows + 1], g.X[cols]);
    VertLine(canvas, g.X[0], g.Y[0], g.Y[rows + 1]);
    VertLine(canvas, g.X[cols], g.Y[0], g.Y[rows + 1]);
}

}  // namespace

TPrintScheme PrintScheme(int colors) {
    switch (colors) {
        case 1:
            return {kBlack, kBlack, kWhite};
        case 3:
            return {kGray, kGray, kBlack};
        case 4:
            return {kSilver, kSilver, kBlack};
        default:
            return {kGray, kGray, kWhite};
    }
}

TRect PositionRect(int width, int height, int margin, int capacity, int position) {
    if ((capacity != 1 && capacity != 2 && capacity != 4 && capacity != 8) || position < 1 ||
        position > capacity) {
        return {};
    }
    const int cols = capacity >= 4 ? 2 : 1;
    const int rows = capacity / cols;
    const int col = (position - 1) % cols;
    const int row = (position - 1) / cols;
    return {col * width / cols + margin, row * height / rows + margin,
            (col + 1) * width / cols - margin, (row + 1) * height / rows - margin};
}

TGridLines PrintGridLines(const TRect& position, int rows, int cols, bool answer) {
    TGridLines g;
    if (rows < 1 || rows > kGridRows || cols < 2 || cols > kGridCols) return g;
    g.Rows = rows;
    g.Cols = cols;
    g.Last = answer ? rows + 1 : rows + 2;
    const int height = position.Bottom - position.Top;
    g.Band = std::max(0, height / 15);
    const int footer = answer ? 0 : g.Band;
    g.Square = std::max(
        0, std::min((height - g.Band - footer) / rows, (position.Right - position.Left) / cols));
    g.Y[0] = position.Top;
    g.Y[1] = g.Y[0] + g.Band;
    for (int k = 2; k <= rows + 1; ++k) g.Y[k] = g.Y[k - 1] + g.Square;
    if (!answer) g.Y[rows + 2] = g.Y[rows + 1] + g.Band;
    const int down = (position.Bottom - g.Y[g.Last]) / 2;
    for (int k = 0; k <= g.Last; ++k) g.Y[k] += down;
    g.X[0] = position.Left;
    for (int k = 1; k <= cols; ++k) g.X[k] = g.X[k - 1] + g.Square;
    const int right = (position.Right - g.X[cols]) / 2;
    for (int k = 0; k <= cols; ++k) g.X[k] += right;
    return g;
}

void TextInRect(TCanvas& canvas, int x1, int x2, int y1, int y2, int horz, int vert,
                std::string_view text) {
    const int width = canvas.TextWidth(text);
    const int indent = canvas.TextWidth("x");
    const int lineHeight = canvas.TextHeight("M");
    int x = x1 + indent;
    if (horz == 1) x = x1 + (x2 - x1 - width) / 2;
    if (horz == 2) x = x2 - width - indent;
    int y = y1;
    if (vert == 1) y = y1 + (y2 - y1 - lineHeight) / 2;
    if (vert == 2) y = y2 - lineHeight;
    canvas.TextRect({x1, y1, x2, y2}, std::max(0, x), std::max(0, y), text);
}

void TextInCells(TCanvas& canvas, const TGridLines& lines, int c1, int c2, int r1, int r2, int horz,
                 int vert, std::string_view text) {
    TextInRect(canvas, lines.X[c1], lines.X[c2], lines.Y[r1], lines.Y[r2], horz, vert, text);
}

void HorzLine(TCanvas& canvas, int x1, int y, int x2) {
    canvas.Line(x1, y, x2, y);
}

void VertLine(TCanvas& canvas, int x, int y1, int y2) {
    canvas.Line(x, y1, x, y2);
}

void RenderPage(TCanvas& canvas, const TPageContext& page, const TPageSource& source) {
    canvas.SetBrush(kWhite);
    canvas.SetPen(kWhite);
    canvas.Rectangle({0, 0, page.Width, page.Height});
    if (source.Plan == nullptr || source.Library == nullptr) return;
    TFitMemo memo;
    const int capacity = source.Plan->CapacityOf(page.Page);
    for (int q = 1; q <= capacity; ++q) {
        const TPositionPuzzle at = FindPuzzle(source, page.Page, q);
        if (at.Slot == 0) continue;
        const TSizeDims dims = SizeDims(source.Library->Info(at.Slot).Size);
        const TRect rect = PositionRect(page.Width, page.Height, 3 * page.Scale, capacity, q);
        DrawPosition(canvas, memo, page, source, at,
                     PrintGridLines(rect, dims.Rows, dims.Cols, at.Answer));
    }
}

}  // namespace xs
