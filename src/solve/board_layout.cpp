// Layout numbers of the solving page.
#include "solve/board_layout.h"

#include <algorithm>

namespace xs {

namespace {

constexpr int g = kBoardGridLine;

// Rows and columns of the board, counting the clue row and column, kept inside the grid.
int RowCount(TPuzzleDims dims) {
    return std::clamp(dims.LastRow, 0, kGridRows - 1) + 1;
}
int ColCount(TPuzzleDims dims) {
    return std::clamp(dims.LastCol, 0, kGridCols - 1) + 1;
}

// One direction of a panned board: rows (or columns) seen in a window between two pan buttons.
struct TAxis {
    int Pan = 0;
    int ButtonBefore = 0;  // where bnUp (bnLeft) starts
    int WindowStart = 0;
    int WindowLength = 0;
    int ButtonAfter = 0;  // where bnDown (bnRight) starts
    int Visible = 0;
    bool MoreAfter = false;  // rows remain beyond the window
};

TAxis LayoutAxis(int count, int extent, int square, int thickness, int pan) {
    const int step = square + g;
    const int room = extent - 2 * thickness;           // D
    const int whole = std::max(0, (room - 1) / step);  // V
    TAxis a;
    // A pan past the end (a step too far, or a window grown since) comes back so that the last
    // row stays at the window's far edge.
    a.Pan = std::clamp(pan, 0, std::max(0, count - whole));
    if (whole + a.Pan < count) {
        a.MoreAfter = true;
        if (whole * step + square / 3 <= room) {
            a.WindowLength = whole * step + square / 3;
            a.Visible = whole + 1;
        } else if (whole >= 1) {
            a.WindowLength = (whole - 1) * step + 2 * square / 3;
            a.Visible = whole;
        } else {
            // Not even one square fits: show the part of it there is room for.
            a.WindowLength = std::max(0, room);
            a.Visible = 1;
        }
    } else {
        a.Visible = count - a.Pan;
        a.WindowLength = a.Visible * step;
    }
    a.ButtonBefore = (extent - (a.WindowLength + 2 * thickness)) / 2;
    a.WindowStart = a.ButtonBefore + thickness;
    a.ButtonAfter = a.WindowStart + a.WindowLength;
    return a;
}

TRect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace

int FittedSquareSize(int gridWidth, int gridHeight, TPuzzleDims dims) {
    const int across = (gridWidth - 4 - g) / ColCount(dims) - g;
    const int down = (gridHeight - 4 - g) / RowCount(dims) - g;
    return std::max(1, std::min(across, down));
}

TBoardLayout LayoutBoard(const TBoardLayoutInput& in) {
    TBoardLayout out;
    const int rows = RowCount(in.Dims);
    const int cols = ColCount(in.Dims);
    // Far beyond the last zoom step bnZoomIn allows; keeps the arithmetic inside int.
    const int zoom = std::clamp(in.ZoomLevel, 0, 1000);
    out.FittedSquare = FittedSquareSize(in.GridWidth, in.GridHeight, in.Dims);
    out.Square = out.FittedSquare + kZoomStep * zoom;
    out.ZoomInEnabled = out.Square < kZoomLimitSquare;
    out.ZoomOutEnabled = zoom > 0;
    const int step = out.Square + g;

    if (step * rows + 1 < in.GridHeight && step * cols + 1 < in.GridWidth) {
        const int width = step * cols;
        const int height = step * rows;
        out.Board = At((in.GridWidth - width) / 2, (in.GridHeight - height) / 2, width, height);
        out.Window = out.Board;
        out.VisibleRows = rows;
        out.VisibleCols = cols;
        return out;
    }

    out.Fits = false;
    const TAxis down = LayoutAxis(rows, in.GridHeight, out.Square, in.PanThickness, in.PanRow);
    const TAxis across = LayoutAxis(cols, in.GridWidth, out.Square, in.PanThickness, in.PanCol);
    out.PanRow = down.Pan;
    out.PanCol = across.Pan;
    out.VisibleRows = down.Visible;
    out.VisibleCols = across.Visible;
    out.Window = At(across.WindowStart, down.WindowStart, across.WindowLength, down.WindowLength);
    out.Board = {across.WindowStart - step * across.Pan, down.WindowStart - step * down.Pan,
                 out.Window.Right, out.Window.Bottom};

    const int upLeft = (in.GridWidth - in.PanLength) / 2;
    const int sideTop = (in.GridHeight - in.PanLength) / 2;
    out.Up = {At(upLeft, down.ButtonBefore, in.PanLength, in.PanThickness), down.Pan > 0};
    out.Down = {At(upLeft, down.ButtonAfter, in.PanLength, in.PanThickness), down.MoreAfter};
    out.Left = {At(across.ButtonBefore, sideTop, in.PanThickness, in.PanLength), across.Pan > 0};
    out.Right = {At(across.ButtonAfter, sideTop, in.PanThickness, in.PanLength), across.MoreAfter};

    out.HideTopShown = down.Pan > 0;
    out.HideTop = {0, 0, in.GridWidth, out.Window.Top};
    out.HideLeftShown = across.Pan > 0;
    out.HideLeft = {0, 0, out.Window.Left, in.GridHeight};
    return out;
}

void PanToShow(TBoardLayoutInput& in, int row, int col) {
    // The window's length changes with the pan near the board's end, so a second look settles
    // what the first one moved.
    for (int look = 0; look < 2; ++look) {
        const TBoardLayout b = LayoutBoard(in);
        if (b.Fits) return;
        const int step = b.Square + g;
        const auto axis = [step, &b](int at, int pan, int window) {
            if (at < pan) return at;
            // Squares wholly seen from the pan on.
            const int whole = std::max(1, (window - b.Square) / step + 1);
            return at >= pan + whole ? at - whole + 1 : pan;
        };
        in.PanRow = axis(row, b.PanRow, b.Window.Height());
        in.PanCol = axis(col, b.PanCol, b.Window.Width());
    }
}

bool PanToShowBlock(TBoardLayoutInput& in, int firstRow, int firstCol, int lastRow, int lastCol) {
    const TBoardLayoutInput before = in;
    for (int look = 0; look < 2; ++look) {
        const TBoardLayout b = LayoutBoard(in);
        if (b.Fits) return true;
        const int step = b.Square + g;
        // Pans the axis so that first..last are wholly seen, moving as little as it can.
        bool fits = true;
        const auto axis = [step, &b, &fits](int first, int last, int pan, int window) {
            const int whole = std::max(1, (window - b.Square) / step + 1);
            if (last - first + 1 > whole) fits = false;
            return std::clamp(pan, last - whole + 1, std::max(first, last - whole + 1));
        };
        in.PanRow = axis(firstRow, lastRow, b.PanRow, b.Window.Height());
        in.PanCol = axis(firstCol, lastCol, b.PanCol, b.Window.Width());
        if (!fits) {
            in = before;
            return false;
        }
    }
    return true;
}

TRect BoardSquareRect(int row, int col, int square) {
    const int left = (square + g) * col;
    const int top = (square + g) * row;
    return {left, top, left + square, top + square};
}

std::optional<TSquarePos> BoardSquareAt(int x, int y, int square, TPuzzleDims dims) {
    const int step = square + g;
    if (x < 0 || y < 0 || step <= 0) return std::nullopt;
    const TSquarePos pos{y / step, x / step};
    if (pos.Row >= RowCount(dims) || pos.Col >= ColCount(dims)) return std::nullopt;
    return pos;
}

TCellRange BoardRangeIn(const TRect& area, int square, TPuzzleDims dims) {
    const int step = std::max(1, square + g);
    const int lastRow = RowCount(dims) - 1;
    const int lastCol = ColCount(dims) - 1;
    if (area.Right <= 0 || area.Bottom <= 0 || area.Width() <= 0 || area.Height() <= 0)
        return {0, 0, -1, -1};
    const TCellRange range{std::max(0, area.Top / step), std::max(0, area.Left / step),
                           std::min(lastRow, (area.Bottom - 1) / step),
                           std::min(lastCol, (area.Right - 1) / step)};
    if (range.FirstRow > range.LastRow || range.FirstCol > range.LastCol) return {0, 0, -1, -1};
    return range;
}

TSolvePageLayout LayoutSolvePage(int width, int height, const TSolvePageMetrics& metrics,
                                 bool combosAtSide) {
    TSolvePageLayout out;
    const int line = std::max(metrics.LineHeight, 16);
    const int captionHeight = line + 2;
    const int modeButtonHeight = line + 24;
    const int barHeight = captionHeight + modeButtonHeight;
    const int headerHeight = line + 12;

    // Base widths from the measured texts, then the unit u that the page's spare width buys.
    const int modeBase = metrics.SolveWidth + 7;
    const int mode2Base = metrics.ModeTextWidth + 25;
    const int zoomBase = (metrics.ZoomWidth + 20) / 2;
    const int commandBase = metrics.EraseAllWidth + metrics.RadioIndent + 12;
    const int spare = width - 3 * modeBase - 19 - mode2Base - 2 * zoomBase - 4 * commandBase - 20;
    out.Unit = std::clamp(spare / 17, 0, 30);
    const int u = out.Unit;
    const int modeButton = modeBase + u;
    const int mode2Width = mode2Base + 4 * u;
    const int zoomButton = zoomBase + u;
    const int command = commandBase + 2 * u;
    const int modeWidth = 3 * modeButton + 19;
    const int zoomWidth = 2 * zoomButton;
    const int commandsWidth = 4 * command + 20;
    const int gap = std::max(0, (width - modeWidth - mode2Width - zoomWidth - commandsWidth) / 4);

    out.Header = At(0, 0, width, headerHeight);
    out.Details = At(0, 0, width / 2, headerHeight);
    out.Values = {width / 2, 0, width, headerHeight};

    const int moveSize = std::max(0, headerHeight - 6);
    const int gridTop = combosAtSide ? headerHeight : 2 * headerHeight;
    const int gridHeight = std::max(0, height - gridTop - barHeight - 10);
    if (combosAtSide) {
        const int stripWidth = 2 * modeButton;
        out.Poss = At(0, headerHeight, stripWidth, gridHeight);
        out.MoveButton = At((stripWidth - moveSize) / 2, headerHeight + 3, moveSize, moveSize);
        out.Grid = {stripWidth, gridTop, std::max(stripWidth, width), gridTop + gridHeight};
    } else {
        out.Poss = At(0, headerHeight, width, headerHeight);
        out.MoveButton = At(3, headerHeight + (headerHeight - moveSize) / 2, moveSize, moveSize);
        out.Grid = At(0, gridTop, width, gridHeight);
    }

    const int barTop = out.Grid.Bottom + 3;
    const int buttonTop = barTop + captionHeight;
    int x = gap;
    out.Mode = At(x, barTop, modeWidth, barHeight);
    out.ModeCaption = At(x, barTop, modeWidth, captionHeight);
    for (int i = 0; i < 3; ++i)
        out.ModeButtons[i] =
            At(x + 6 + i * (modeButton + 4), buttonTop, modeButton, modeButtonHeight);
    x += modeWidth;

    out.Mode2 = At(x, barTop, mode2Width, barHeight);
    const int lineGap = std::max(0, (barHeight - 3 * line) / 4);
    for (int i = 0; i < 3; ++i)
        out.ModeLines[i] = At(x + 4, barTop + lineGap + i * (line + lineGap), mode2Width - 8, line);
    const int moreWidth = metrics.MoreWidth + 10;
    out.More = At(out.Mode2.Right - 4 - moreWidth, out.ModeLines[2].Top, moreWidth, line);
    x += mode2Width + gap;

    out.Zoom = At(x, barTop, zoomWidth, barHeight);
    out.ZoomCaption = At(x, barTop, zoomWidth, captionHeight);
    out.ZoomOut = At(x, buttonTop, zoomButton, modeButtonHeight);
    out.ZoomIn = At(x + zoomButton, buttonTop, zoomButton, modeButtonHeight);
    x += zoomWidth + gap;

    const int commandHeight = barHeight / 2 - 2;
    for (int i = 0; i < kCommandButtonCount; ++i) {
        const int top = i < 4 ? barTop + 1 : barTop + barHeight / 2 + 1;
        out.Commands[i] = At(x + 1 + (i % 4) * (command + 6), top, command, commandHeight);
    }
    return out;
}

int HintBoxTextWidth(const TSolvePageLayout& page) {
    const int bar = page.Commands[kCommandButtonCount - 1].Right - page.Mode.Left;
    return std::max(1, bar - 2 * kHintBoxPadding);
}

TRect HintBoxRect(const TSolvePageLayout& page, int textHeight, const TRect& target,
                  std::span<const TRect> named, int margin) {
    const TRect grid{page.Grid.Left, page.Grid.Top + margin, page.Grid.Right,
                     std::max(page.Grid.Top + margin, page.Grid.Bottom - margin)};
    const int height = std::clamp(textHeight + 2 * kHintBoxPadding, 0, grid.Height());
    const int left = page.Mode.Left;
    const int right = page.Commands[kCommandButtonCount - 1].Right;
    const TRect foot{left, grid.Bottom - height, right, grid.Bottom};
    const TRect top{left, grid.Top, right, grid.Top + height};
    const auto meets = [](const TRect& a, const TRect& b) {
        return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
    };
    // What a place hides: the hint's own square weighs more than all the others together.
    const auto hidden = [&](const TRect& box) {
        int n = meets(box, target) ? 1000 : 0;
        for (const TRect& r : named) n += meets(box, r) ? 1 : 0;
        return n;
    };
    return hidden(top) < hidden(foot) ? top : foot;
}

}  // namespace xs
