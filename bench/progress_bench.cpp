// The Progress screen opening on a history of 10,000 solved puzzles: reading the file, the sums,
// the tables and the chart, and the first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

#include "progress/progress_keeper.h"
#include "progress/progress_screen.h"
#include "storage/history.h"

namespace {

using namespace xs;

class TNoMessages : public TMessages {
public:
    int ShowMsg(const std::string&, TButtons) override { return kResultOk; }
    int ShowOptions(const std::string&, int, const TOptionTexts&, bool, bool) override {
        return OptionResult(0);
    }
    bool PrintCurrentState() const override { return false; }
};

// 10,000 rows over two years, every size and level, in one transaction.
void FillHistory(const QString& path) {
    {
        THistory history;
        history.Open(path);
    }
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral(
            "INSERT INTO solved (solved_at, puzzle_id, size, stars, millis, hints, origin, "
            "hardest, "
            "hint_techniques, checks, assists, unaided) VALUES (?, ?, ?, ?, ?, ?, 'made', "
            "'Smallest and largest sums', ?, 0, 0, ?)"));
        for (int i = 0; i < 10000; ++i) {
            query.addBindValue(1700000000LL + i * 6000LL);
            query.addBindValue(i + 1);
            query.addBindValue(i % 4);
            query.addBindValue(i % 5 + 1);
            query.addBindValue(60000LL + (i * 7919) % 3000000);
            query.addBindValue(i % 3);
            query.addBindValue(i % 3 == 0 ? QStringLiteral("")
                                          : QStringLiteral("Crossing runs:1;Needed digit:1"));
            query.addBindValue(i % 3 == 0 ? 1 : 0);
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

void OpenProgressScreen(benchmark::State& state) {
    QTemporaryDir dir;
    const QString dataFile = dir.filePath(QStringLiteral("VelmorDuvidOzad.dat"));
    FillHistory(HistoryPathFor(dataFile));
    auto file = std::make_unique<TDataFileRecord>();
    TNoMessages messages;
    TProgressKeeper keeper(dataFile, file->Library, messages);
    keeper.Open();
    TfrmProgress screen(keeper, *file, messages);
    screen.resize(1260, 900);
    for (auto _ : state) {
        screen.FormShow();
        benchmark::DoNotOptimize(screen.grab());
    }
    state.counters["rows"] = screen.Summary().Total;
}
BENCHMARK(OpenProgressScreen)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
