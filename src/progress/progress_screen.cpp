// The Progress screen's widgets: tables, the chart and the practice controls.
#include "progress/progress_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <chrono>
#include <map>

#include "generate/driver.h"
#include "model/slot_check.h"
#include "platform/ui_text.h"
#include "progress/play_timer.h"
#include "progress/practice.h"
#include "progress/progress_keeper.h"
#include "storage/language.h"

namespace xs {

namespace {

constexpr const char* kEmptyText =
    "No puzzle solved yet. Each puzzle you solve adds a row here: best and median times and hints "
    "by size and star level, a chart of your times, the techniques your hints named, and your "
    "last 20 puzzles. Nothing leaves this computer.";

QString Time(std::int64_t millis) {
    char buffer[24];
    return QString::fromLatin1(FormatPlayTime(millis, buffer));
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

// "none", or what helped: "hints, 1 check, 2 assists".
QString HelpText(const TSolvedRecord& row) {
    QStringList parts;
    if (std::max(row.HintCount, HintTotal(row.Hints)) > 0) parts << UiText("hints");
    if (row.Checks > 0)
        parts << (row.Checks == 1 ? UiText("%1 check") : UiText("%1 checks")).arg(row.Checks);
    if (row.Assists > 0)
        parts << (row.Assists == 1 ? UiText("%1 assist") : UiText("%1 assists")).arg(row.Assists);
    return parts.isEmpty() ? UiText("none") : parts.join(QStringLiteral(", "));
}

// When a puzzle was solved: as the player's language writes a date and time, or, in English, as
// the history has always shown it ("2026-12-07 21:30").
QString LocalDate(std::int64_t secondsSinceEpoch) {
    if (CurrentLanguage() == QLatin1String("en"))
        return QString::fromStdString(DateText(secondsSinceEpoch));
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch),
                              QLocale::ShortFormat);
}

QLabel* Heading(QWidget* parent, const char* text) {
    auto* label = new QLabel(UiText(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TfrmProgress::TfrmProgress(TProgressKeeper& keeper, TDataFileRecord& file, TMessages& messages,
                           QWidget* parent)
    : QWidget(parent), Keeper(keeper), File(file), Messages(messages) {
    setObjectName(QStringLiteral("frmProgress"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(12);

    auto* top = new QHBoxLayout;
    lblTitle = Heading(this, "Your progress");
    cbClock = new QCheckBox(UiText("Show the time while solving"), this);
    cbClock->setObjectName(QStringLiteral("cbClock"));
    cbClock->setFocusPolicy(Qt::NoFocus);
    cbClock->setChecked(Keeper.ClockShown());
    connect(cbClock, &QCheckBox::toggled, this, [this](bool on) { Keeper.SetClockShown(on); });
    top->addWidget(lblTitle);
    top->addStretch();
    top->addWidget(cbClock);
    grid->addLayout(top, 0, 0, 1, 2);

    lblEmpty = new QLabel(UiText(kEmptyText), this);
    lblEmpty->setObjectName(QStringLiteral("lblEmpty"));
    lblEmpty->setWordWrap(true);
    grid->addWidget(lblEmpty, 1, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(Heading(this, "By size and star level"));
    sgLevels = MakeTable(this, "sgLevels",
                         {UiText("Size"), UiText("Stars"), UiText("Solved"), UiText("Best"),
                          UiText("Median"), UiText("Hints per puzzle")});
    left->addWidget(sgLevels, 1);
    left->addWidget(Heading(this, "Last 20 solved"));
    sgRecent = MakeTable(this, "sgRecent",
                         {UiText("Date"), UiText("Id"), UiText("Size"), UiText("Stars"),
                          UiText("Time"), UiText("Hints"), UiText("Help")});
    left->addWidget(sgRecent, 2);
    grid->addLayout(left, 2, 0);

    auto* right = new QVBoxLayout;
    chtTimes = new QChartView(this);
    chtTimes->setObjectName(QStringLiteral("chtTimes"));
    chtTimes->setRenderHint(QPainter::Antialiasing);
    chtTimes->setMinimumHeight(150);
    right->addWidget(chtTimes, 3);
    auto* practiseRow = new QHBoxLayout;
    practiseRow->addWidget(Heading(this, "Hints by technique"));
    practiseRow->addStretch();
    practiseRow->addWidget(new QLabel(UiText("Practice size"), this));
    cbSize = new QComboBox(this);
    cbSize->setObjectName(QStringLiteral("cbSize"));
    cbSize->setFocusPolicy(Qt::NoFocus);
    for (const int code : kSizesInOrder) cbSize->addItem(UiText(SizeName(code)), code);
    SetPracticeSize(static_cast<int>(TPuzzleSize::Medium));
    practiseRow->addWidget(cbSize);
    right->addLayout(practiseRow);
    sgTechniques =
        MakeTable(this, "sgTechniques", {UiText("Technique"), UiText("Hints"), QString()});
    right->addWidget(sgTechniques, 2);
    auto* creating = new QHBoxLayout;
    lblCreating = new QLabel(this);
    lblCreating->setObjectName(QStringLiteral("lblCreating"));
    bnStop = new QPushButton(UiText("Stop"), this);
    bnStop->setObjectName(QStringLiteral("bnStop"));
    bnStop->setFocusPolicy(Qt::NoFocus);
    bnStop->setEnabled(false);
    connect(bnStop, &QPushButton::clicked, this, [this] { StopAsked = true; });
    creating->addWidget(lblCreating, 1);
    creating->addWidget(bnStop);
    right->addLayout(creating);
    grid->addLayout(right, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

TfrmProgress::~TfrmProgress() = default;

void TfrmProgress::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

int TfrmProgress::PracticeSize() const {
    return cbSize->currentData().toInt();
}

void TfrmProgress::SetPracticeSize(int sizeCode) {
    const int index = cbSize->findData(sizeCode);
    if (index >= 0) cbSize->setCurrentIndex(index);
}

void TfrmProgress::FormShow() {
    cbClock->setChecked(Keeper.ClockShown());
    const std::vector<TSolvedRecord> rows = Keeper.History().Solved();
    Shown = Summarise(rows, Keeper.History().InPlayHints());
    const bool empty = Shown.Total == 0;
    lblEmpty->setVisible(empty);
    FillLevels();
    FillChart(rows);
    FillTechniques();
    FillRecent();
}

void TfrmProgress::FillLevels() {
    sgLevels->setRowCount(static_cast<int>(Shown.Levels.size()));
    for (int r = 0; r < sgLevels->rowCount(); ++r) {
        const TLevelStats& level = Shown.Levels[static_cast<std::size_t>(r)];
        SetRow(sgLevels, r,
               {UiText(SizeName(level.Size)), QString::number(level.Stars),
                QString::number(level.Solved), Time(level.BestMillis), Time(level.MedianMillis),
                QLocale().toString(level.HintsPerPuzzle, 'f', 1)});
    }
}

void TfrmProgress::FillChart(const std::vector<TSolvedRecord>& rows) {
    auto* chart = new QChart;
    chart->setTitle(UiText("Solve times (minutes)"));
    // Dates and numbers on the axes as the player's locale writes them.
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));
    std::map<int, QList<QPointF>> points;
    double most = 1;
    qint64 first = 0;
    qint64 last = 0;
    for (const TSolvedRecord& row : rows) {
        const double minutes = static_cast<double>(row.Millis) / 60000.0;
        const qint64 at = row.SolvedAt * 1000;
        points[row.Size].append(QPointF(static_cast<double>(at), minutes));
        most = std::max(most, minutes);
        first = first == 0 ? at : std::min(first, at);
        last = std::max(last, at);
    }
    auto* axisX = new QDateTimeAxis;
    axisX->setTickCount(5);
    // An empty history shows the last week; one point, the hour after it.
    if (first == 0) {
        last = QDateTime::currentMSecsSinceEpoch();
        first = last - 7 * 86400000LL;
    }
    last = std::max(last, first + 3600000LL);
    axisX->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    // Within two days the hours tell the points apart.
    axisX->setFormat(last - first < 2 * 86400000LL ? QStringLiteral("d MMM hh:mm")
                                                   : QStringLiteral("d MMM"));
    auto* axisY = new QValueAxis;
    axisY->setRange(0, most * 1.05);
    axisY->setLabelFormat(most < 10 ? QStringLiteral("%.1f") : QStringLiteral("%d"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (const int code : kSizesInOrder) {
        const auto found = points.find(code);
        if (found == points.end()) continue;
        auto* series = new QLineSeries;
        series->setName(QString::fromLatin1(SizeName(code)));
        series->setPointsVisible(found->second.size() < 60);
        series->replace(found->second);
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    QChart* old = chtTimes->chart();
    chtTimes->setChart(chart);
    delete old;
}

void TfrmProgress::FillTechniques() {
    const std::vector<TPracticeRow> rows = PracticeRows(Shown.Techniques);
    sgTechniques->setRowCount(0);  // the rows' buttons go with them
    sgTechniques->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < sgTechniques->rowCount(); ++r) {
        const TPracticeRow& row = rows[static_cast<std::size_t>(r)];
        SetRow(sgTechniques, r, {UiText(TechniqueName(row.Technique)), QString::number(row.Asked)});
        if (!row.Practisable) {
            sgTechniques->item(r, 0)->setToolTip(
                UiText("Never a puzzle's hardest step: another step always comes before it"));
            continue;
        }
        auto* practise = new QPushButton(UiText("Practise"));
        practise->setObjectName(QStringLiteral("bnPractise"));
        practise->setFocusPolicy(Qt::NoFocus);
        practise->setToolTip(UiText("Make a puzzle whose hardest step is %1")
                                 .arg(UiText(TechniqueName(row.Technique))));
        const TTechnique technique = row.Technique;
        connect(practise, &QPushButton::clicked, this, [this, technique] { Practise(technique); });
        practise->setEnabled(!Running);
        sgTechniques->setCellWidget(r, 2, practise);
    }
}

void TfrmProgress::FillRecent() {
    sgRecent->setRowCount(static_cast<int>(Shown.Recent.size()));
    for (int r = 0; r < sgRecent->rowCount(); ++r) {
        const TSolvedRecord& row = Shown.Recent[static_cast<std::size_t>(r)];
        const int hints = std::max(row.HintCount, HintTotal(row.Hints));
        SetRow(
            sgRecent, r,
            {LocalDate(row.SolvedAt), QString::number(row.PuzzleId), UiText(SizeName(row.Size)),
             QString::number(row.Stars), Time(row.Millis), QString::number(hints), HelpText(row)});
    }
}

void TfrmProgress::Practise(TTechnique technique) {
    if (Running) return;
    TPuzzleLibrary& lib = File.Library;
    if (UsedSlots(lib.Counts) >= MaxPuzzles) {
        Messages.ShowMsg("The library holds 100 puzzles: delete some to make room.",
                         TButtons::OkOnly);
        return;
    }
    if (!Work) Work = std::make_unique<TPracticeWork>();
    Running = true;
    StopAsked = false;
    bnStop->setEnabled(true);
    for (QPushButton* b : sgTechniques->findChildren<QPushButton*>()) b->setEnabled(false);
    const auto start = std::chrono::steady_clock::now();
    TRandom rng(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    TGenControl control;
    control.Rng = &rng;
    control.PollProgress = [&] {
        const double days =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
            86400.0;
        lblCreating->setText(QString::fromLatin1(ProgressCaption(0, days)));
        QApplication::processEvents();
        if (StopAsked) control.CancelRequested = true;
    };
    TPuzzleGrid puzzle{};
    const int size = PracticeSize();
    const TPracticeOutcome outcome = MakePracticePuzzle(technique, size, control, *Work, puzzle);
    Running = false;
    bnStop->setEnabled(false);
    lblCreating->clear();
    for (QPushButton* b : sgTechniques->findChildren<QPushButton*>()) b->setEnabled(true);
    if (outcome.Result == TPracticeResult::Cancelled) return;
    if (outcome.Result != TPracticeResult::Made) {
        Messages.ShowMsg(
            UiText("No %1 puzzle whose hardest step is %2 came in %3 tries. Try again, or another "
                   "size.")
                .arg(UiText(SizeName(size)), UiText(TechniqueName(technique)),
                     QString::number(outcome.Tries))
                .toStdString(),
            TButtons::OkOnly);
        return;
    }
    const int slot = AppendPuzzle(lib, File.Settings.LastPuzzleId, puzzle,
                                  static_cast<TPuzzleSize>(size), outcome.Stars);
    if (slot == 0) {
        Messages.ShowMsg("No new puzzle can be stored: the library holds 100 puzzles.",
                         TButtons::OkOnly);
        return;
    }
    Keeper.History().SetOrigin(lib.Info(slot).Id, kOriginPractice);
    if (PuzzleMade) PuzzleMade(slot);
}

}  // namespace xs
