// How long printed pages take to draw: a printer page of eight Large answers on A4 at 300 dpi,
// and the print panel's preview of the same page, both through QPainter onto an image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstring>
#include <memory>

#include "bench_support.h"
#include "manage/print_render.h"
#include "manage/printing.h"
#include "platform/qt_canvas.h"

namespace xs {
namespace {

// Eight copies of a generated Large puzzle, all as answers on page 1 of eight positions.
struct TPrintFixture {
    std::unique_ptr<TPuzzleLibrary> Lib = std::make_unique<TPuzzleLibrary>();
    TPrintPlan Plan;

    TPrintFixture() {
        std::memset(Lib.get(), 0, sizeof *Lib);
        std::int32_t lastId = 0;
        bench::AppendGenerated(*Lib, lastId, TPuzzleSize::Large, 3);
        const TPuzzleGrid grid = Lib->Grid(1);
        for (int copy = 2; copy <= 8; ++copy) {
            AppendPuzzle(*Lib, lastId, grid, TPuzzleSize::Large, 3);
        }
        Plan.PageCount = 1;
        Plan.Capacity[0] = 8;
        Plan.SelectedCount = 8;
        for (int slot = 1; slot <= 8; ++slot) Plan.Answer[slot - 1] = {1, slot};
    }
};

const TPrintFixture& Fixture() {
    static const TPrintFixture fixture;
    return fixture;
}

// range(0): the page width in pixels, range(1): dots per inch.
void BM_RenderPage(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int dpi = static_cast<int>(state.range(1));
    const int height = width * 297 / 210;
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    const TPrintFixture& f = Fixture();
    const TPageSource source{&f.Plan, f.Lib.get(), -1, nullptr, 2};
    const int scale = dpi >= 300 ? PrintScale(width) : 1;
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    for (auto _ : state) RenderPage(canvas, {width, height, scale, 1}, source);
    state.SetLabel(std::to_string(width) + " x " + std::to_string(height) + " px at " +
                   std::to_string(dpi) + " dpi");
}
// A4 at 300 dpi as a printer gives it; the preview of a portrait page in the panel.
BENCHMARK(BM_RenderPage)->Args({2480, 300})->Args({420, 96})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace xs

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
