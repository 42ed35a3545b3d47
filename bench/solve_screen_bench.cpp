// The solve screen as the player meets it: mouse events sent to the widgets of a 1260 x 960
// window (offscreen platform), timed until the board or page has been painted into the window's
// backing store. A generated Large puzzle is played.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstring>
#include <memory>
#include <string>

#include "bench_support.h"
#include "solve/solve_screen.h"
#include "solve/solve_widgets.h"
#include "storage/settings.h"

namespace xs {
namespace {

// The process-wide library with one generated Large puzzle in slot 1, and the screen showing it
// on the chooser page at the size the solve screen has in a 1260 x 960 window.
struct TScreenFixture {
    bench::TOkMessages Messages;
    TProgramFonts Fonts;
    std::unique_ptr<TfrmSolve> Screen;
    int PadRow = 0, PadCol = 0;    // an empty White square
    int ClueRow = 0, ClueCol = 0;  // a clue square with an across total

    TScreenFixture() {
        TAppData& app = AppData();
        std::memset(&app.File, 0, sizeof app.File);
        bench::AppendGenerated(app.File.Library, app.File.Settings.LastPuzzleId, TPuzzleSize::Large,
                               2);
        const TPuzzleGrid& g = app.File.Library.Grid(1);
        for (int r = 1; r <= 15; ++r) {
            for (int c = 1; c <= 25; ++c) {
                const TSquare& s = g.Sq[r][c];
                if (s.Kind == White && PadRow == 0) PadRow = r, PadCol = c;
                // A long run: many combinations to list.
                if (s.Kind == Black && s.AcrossSquares >= 4 && ClueRow == 0)
                    ClueRow = r, ClueCol = c;
            }
        }
        Screen = std::make_unique<TfrmSolve>(Fonts, Messages, 20);
        Screen->resize(1260, 916);
        Screen->show();
        QApplication::processEvents();
    }

    void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF global = widget->mapToGlobal(QPointF(at));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }

    // From the chooser to the solving page of slot 1, with the page painted.
    void Open() {
        Click(Screen->sgPuzzles, Screen->ChooserCellRect(1).center());
        Screen->bnSolveClick();
        Screen->repaint();
    }

    void Return() {
        Screen->bnReturnClick();
        QApplication::processEvents();
    }

    void Zoom(bool largest) {
        while (Screen->ZoomLevel() > 0) Screen->bnZoomOutClick();
        if (largest) {
            while (Screen->bnZoomIn->isEnabled()) Screen->bnZoomInClick();
            // The board's first rows and columns in the window, whatever the panning.
            while (Screen->bnUp->isVisible() && Screen->bnUp->isEnabled()) Screen->bnUpClick();
        }
        QApplication::processEvents();
    }
};

// Made on first use and dropped before the application object, which its widgets need.
std::unique_ptr<TScreenFixture>& FixtureHolder() {
    static std::unique_ptr<TScreenFixture> fixture;
    return fixture;
}

TScreenFixture& Fixture() {
    if (!FixtureHolder()) FixtureHolder() = std::make_unique<TScreenFixture>();
    return *FixtureHolder();
}

std::string SquareLabel(const TfrmSolve& screen) {
    return "squares of " + std::to_string(screen.SquareSize()) + " px";
}

// A left click on digit 5 of an empty square's pad, from the mouse event to the painted square;
// every second click takes the entry out again. range(0): 1 at the largest zoom.
void BM_PadClick(benchmark::State& state) {
    TScreenFixture& f = Fixture();
    f.Open();
    f.Zoom(state.range(0) == 1);
    const QPoint at = f.Screen->SquareRect(f.PadRow, f.PadCol).topLeft() +
                      QPoint(f.Screen->SquareSize() / 2, f.Screen->SquareSize() / 2);
    for (auto _ : state) f.Click(f.Screen->dgGrid, at);
    state.SetLabel(SquareLabel(*f.Screen));
    f.Return();
}
BENCHMARK(BM_PadClick)->Arg(0)->Arg(1)->ArgName("largest")->Unit(benchmark::kMicrosecond);

// The whole board painted again at the largest zoom (the part inside the window).
void BM_BoardRepaint(benchmark::State& state) {
    TScreenFixture& f = Fixture();
    f.Open();
    f.Zoom(true);
    for (auto _ : state) f.Screen->dgGrid->repaint();
    state.SetLabel(SquareLabel(*f.Screen));
    f.Return();
}
BENCHMARK(BM_BoardRepaint)->Unit(benchmark::kMillisecond);

// A click on the across clue of a long run: its squares narrowed and redrawn, the clue
// highlighted and the combinations strip rebuilt with its font fitted. Zoom 0.
void BM_ClueClick(benchmark::State& state) {
    TScreenFixture& f = Fixture();
    f.Open();
    f.Zoom(false);
    const QRect clue = f.Screen->SquareRect(f.ClueRow, f.ClueCol);
    const QPoint at = clue.topLeft() + QPoint(clue.width() - 5, 3);
    for (auto _ : state) f.Click(f.Screen->dgGrid, at);
    state.SetLabel(std::to_string(f.Screen->State().SelectedRun().RunSquares) + " squares, total " +
                   std::to_string(f.Screen->State().SelectedRun().RunTotal));
    f.Return();
}
BENCHMARK(BM_ClueClick)->Unit(benchmark::kMicrosecond);

// From the press on the chooser's cell to the painted solving page (the Large puzzle loaded,
// the page laid out, every square drawn); going back to the chooser is not timed.
void BM_OpenFromChooser(benchmark::State& state) {
    TScreenFixture& f = Fixture();
    for (auto _ : state) {
        f.Open();
        state.PauseTiming();
        f.Return();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFromChooser)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace xs

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    xs::FixtureHolder().reset();
    benchmark::Shutdown();
    return 0;
}
