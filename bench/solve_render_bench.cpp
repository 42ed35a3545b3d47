// How long the solving board takes to draw: one square, a click on a pad digit with its redraw,
// and a whole Large board at the largest zoom, through a canvas that only measures (the drawing
// code's own cost) and, in the GUI build, through QPainter onto an image (what the screen pays).
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "bench_support.h"
#include "solve/board_layout.h"
#include "solve/board_render.h"
#include "solve/solve_state.h"

#ifdef XS_BENCH_QT
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "platform/qt_canvas.h"
#endif

namespace xs {
namespace {

// Accepts every call and draws nothing; text is 6 pixels a character and 13 high.
class TNullCanvas : public TCanvas {
public:
    void SetPen(TColor, int) override {}
    void SetBrush(TColor) override {}
    void ClearBrush() override {}
    void SetFont(std::string_view, int, bool) override {}
    void SetTextColor(TColor) override {}
    int TextWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
    int TextHeight(std::string_view) override { return 13; }
    void TextOut(int, int, std::string_view text) override { benchmark::DoNotOptimize(text); }
    void TextRect(const TRect&, int, int, std::string_view text) override {
        benchmark::DoNotOptimize(text);
    }
    void FillRect(const TRect&) override {}
    void FrameRect(const TRect&) override {}
    void Rectangle(const TRect&) override {}
    void Line(int, int, int, int) override {}
    void Polygon(std::span<const TPoint>) override {}
};

// A generated Large puzzle as solving starts: every White square shows its pad.
struct TBoardFixture {
    std::unique_ptr<TPuzzleLibrary> Lib = std::make_unique<TPuzzleLibrary>();
    TCheckMarks Checks;
    TSelectedRun Selected;
    TPuzzleDims Dims{15, 25};
    int PadRow = 0, PadCol = 0;    // an empty White square
    int ClueRow = 0, ClueCol = 0;  // a clue square with both totals

    TBoardFixture() {
        std::memset(Lib.get(), 0, sizeof *Lib);
        std::int32_t lastId = 0;
        bench::AppendGenerated(*Lib, lastId, TPuzzleSize::Large, 3);
        const TPuzzleGrid& g = Lib->Grid(1);
        for (int r = 1; r <= Dims.LastRow; ++r) {
            for (int c = 1; c <= Dims.LastCol; ++c) {
                if (g.Sq[r][c].Kind == White && PadRow == 0) PadRow = r, PadCol = c;
                if (g.Sq[r][c].Kind == Black && g.Sq[r][c].AcrossTotal > 0 &&
                    g.Sq[r][c].DownTotal > 0 && ClueRow == 0)
                    ClueRow = r, ClueCol = c;
            }
        }
        Selected.ClueRow = ClueRow;
        Selected.ClueCol = ClueCol;
    }
    TBoardView View() const { return {&Lib->Grid(1), &Checks, &Selected, kHighlightOrange}; }
};

const TBoardFixture& Board() {
    static const TBoardFixture board;
    return board;
}

// The board area of a 1260 x 960 window's solving page with the strip at the top.
TBoardLayoutInput Page(int zoom) {
    TSolvePageMetrics metrics;
    metrics.LineHeight = 16;
    metrics.SolveWidth = 30;
    metrics.ModeTextWidth = 250;
    metrics.MoreWidth = 45;
    metrics.ZoomWidth = 30;
    metrics.EraseAllWidth = 50;
    const TSolvePageLayout page = LayoutSolvePage(1260, 960 - 44, metrics, false);
    TBoardLayoutInput in;
    in.GridWidth = page.Grid.Width();
    in.GridHeight = page.Grid.Height();
    in.Dims = Board().Dims;
    in.ZoomLevel = zoom;
    return in;
}

// Zoom 0 and the largest zoom the buttons allow.
int SquareAt(bool largest) {
    int zoom = 0;
    if (largest)
        while (LayoutBoard(Page(zoom)).ZoomInEnabled) ++zoom;
    return LayoutBoard(Page(zoom)).Square;
}

template <typename TPaint>
void Run(benchmark::State& state, TCanvas& canvas, TPaint paint) {
    for (auto _ : state) paint(canvas);
}

// One square as RedrawSquare draws it; range(0): 0 zoom 0, 1 the largest zoom; range(1): 0 a
// pad square, 1 the selected clue.
void DrawOneSquare(benchmark::State& state, TCanvas& canvas) {
    const TBoardFixture& b = Board();
    const int s = SquareAt(state.range(0) == 1);
    const bool clue = state.range(1) == 1;
    const int row = clue ? b.ClueRow : b.PadRow;
    const int col = clue ? b.ClueCol : b.PadCol;
    const TBoardView view = b.View();
    const TRect rect{0, 0, s, s};
    Run(state, canvas, [&](TCanvas& c) { dgGridDrawCell(c, view, col, row, rect); });
    state.SetLabel(std::string(clue ? "clue" : "pad") + " square of " + std::to_string(s) + " px");
}

// The whole board at the largest zoom; range(0): 0 the part in the window, 1 every square.
void DrawBoard(benchmark::State& state, TCanvas& canvas) {
    const TBoardFixture& b = Board();
    int zoom = 0;
    while (LayoutBoard(Page(zoom)).ZoomInEnabled) ++zoom;
    const TBoardLayout layout = LayoutBoard(Page(zoom));
    TCellRange range{0, 0, b.Dims.LastRow, b.Dims.LastCol};
    if (state.range(0) == 0)
        range = {layout.PanRow, layout.PanCol, layout.PanRow + layout.VisibleRows - 1,
                 layout.PanCol + layout.VisibleCols - 1};
    const TBoardView view = b.View();
    const TGridGeometry geometry{0, 0, layout.Square, kBoardGridLine};
    Run(state, canvas, [&](TCanvas& c) { PaintBoard(c, view, geometry, range); });
    state.SetLabel(std::to_string(range.LastRow - range.FirstRow + 1) + " x " +
                   std::to_string(range.LastCol - range.FirstCol + 1) + " squares of " +
                   std::to_string(layout.Square) + " px");
}

// Paints a redrawn square at once, as the board widget does.
class TPaintingView : public TSolveView {
public:
    TPaintingView(TCanvas& canvas, const TSolveState& solve, int square)
        : Canvas(canvas), Solve(solve), Square(square) {}
    void RedrawSquare(int row, int col) override {
        const TBoardView view{&Solve.Work().CurrentPuzzle, &Solve.Checks(), &Solve.SelectedRun(),
                              kHighlightOrange};
        dgGridDrawCell(Canvas, view, col, row, BoardSquareRect(row, col, Square));
    }

private:
    TCanvas& Canvas;
    const TSolveState& Solve;
    int Square;
};

// A left click on digit 5 of an empty square's pad, from the press to the painted square; every
// second click takes the entry out again. range(0): 0 zoom 0, 1 the largest zoom.
void ClickPad(benchmark::State& state, TCanvas& canvas) {
    const TBoardFixture& b = Board();
    const int s = SquareAt(state.range(0) == 1);
    auto work = std::make_unique<TWorkingCopy>();
    bench::TOkMessages messages;
    auto solve = std::make_unique<TSolveState>(*b.Lib, *work, messages);
    work->CurrentSlot = 1;
    if (!solve->bnSolveClick()) state.SkipWithError("the puzzle did not load");
    TPaintingView view(canvas, *solve, s);
    solve->SetView(&view);
    const TRect square = BoardSquareRect(b.PadRow, b.PadCol, s);
    const int x = square.Left + s / 2;
    const int y = square.Top + s / 2;
    for (auto _ : state) solve->dgGridMouseDown(x, y, TMouseButton::Left, s);
    state.SetLabel("square of " + std::to_string(s) + " px");
}

void BM_SquareLogic(benchmark::State& state) {
    TNullCanvas canvas;
    DrawOneSquare(state, canvas);
}
void BM_BoardLogic(benchmark::State& state) {
    TNullCanvas canvas;
    DrawBoard(state, canvas);
}
void BM_PadClickLogic(benchmark::State& state) {
    TNullCanvas canvas;
    ClickPad(state, canvas);
}
BENCHMARK(BM_PadClickLogic)->Arg(0)->Arg(1)->ArgName("largest");
BENCHMARK(BM_SquareLogic)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"largest", "clue"});
BENCHMARK(BM_BoardLogic)->Arg(0)->Arg(1)->ArgName("whole")->Unit(benchmark::kMicrosecond);

#ifdef XS_BENCH_QT
// QPainter onto an ARGB image as large as what is drawn, as the board widget's backing store.
void BM_SquareQt(benchmark::State& state) {
    const int s = SquareAt(state.range(0) == 1);
    QImage image(s + 2, s + 2, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    DrawOneSquare(state, canvas);
}
void BM_BoardQt(benchmark::State& state) {
    QImage image(26 * 104, 16 * 104, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    DrawBoard(state, canvas);
}
void BM_PadClickQt(benchmark::State& state) {
    const int s = SquareAt(state.range(0) == 1);
    QImage image(27 * (s + 2), 17 * (s + 2), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    ClickPad(state, canvas);
}
BENCHMARK(BM_PadClickQt)->Arg(0)->Arg(1)->ArgName("largest")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SquareQt)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"largest", "clue"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoardQt)->Arg(0)->Arg(1)->ArgName("whole")->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace xs

int main(int argc, char** argv) {
#ifdef XS_BENCH_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
