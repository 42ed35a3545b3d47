// The Progress screen: per size and star level the puzzles solved, best and median times and
// hints per puzzle; a chart of solve times over the dates; the techniques hints named, each with
// "Practise"; the last 20 puzzles solved; and whether the solving page shows its clock.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "logic/logic_solver.h"
#include "progress/progress_summary.h"
#include "storage/messages.h"
#include "storage/settings.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace xs {

class TProgressKeeper;
struct TPracticeWork;

class TfrmProgress : public QWidget {
    Q_OBJECT

public:
    // `file`: the library the practice puzzles join, with its Id counter.
    TfrmProgress(TProgressKeeper& keeper, TDataFileRecord& file, TMessages& messages,
                 QWidget* parent = nullptr);
    ~TfrmProgress() override;

    // Reads the history again and shows it.
    void FormShow();
    // Makes a puzzle of the chosen size whose hardest technique is `technique`, stores it, marks
    // it as practice and hands it to PuzzleMade; the stop button ends the search.
    void Practise(TTechnique technique);
    // The size practice puzzles are made in (a TPuzzleSize code).
    int PracticeSize() const;
    void SetPracticeSize(int sizeCode);
    bool Busy() const { return Running; }

    // A practice puzzle was stored in this slot: open it.
    std::function<void(int slot)> PuzzleMade;

    const TProgressSummary& Summary() const { return Shown; }

    QLabel* lblTitle;
    QCheckBox* cbClock;
    QLabel* lblEmpty;
    QTableWidget* sgLevels;
    QChartView* chtTimes;
    QTableWidget* sgTechniques;
    QComboBox* cbSize;
    QLabel* lblCreating;
    QPushButton* bnStop;
    QTableWidget* sgRecent;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillLevels();
    void FillChart(const std::vector<TSolvedRecord>& rows);
    void FillTechniques();
    void FillRecent();

    TProgressKeeper& Keeper;
    TDataFileRecord& File;
    TMessages& Messages;
    TProgressSummary Shown;
    bool Running = false;
    bool StopAsked = false;
    std::unique_ptr<TPracticeWork> Work;
};

}  // namespace xs
