// The game's side of the history: opens it beside the data file, feeds the tracker the window's
// activity, stores the time in play now and then, and keeps the clock preference (QSettings,
// outside the data file).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

#include "progress/progress_tracker.h"
#include "storage/history.h"
#include "storage/messages.h"

class QTimer;
class QWidget;

namespace xs {

class TProgressKeeper : public QObject {
    Q_OBJECT

public:
    // `dataFile`: the history is HistoryPathFor(dataFile); nothing is opened yet.
    TProgressKeeper(const QString& dataFile, const TPuzzleLibrary& library, TMessages& messages,
                    QObject* parent = nullptr);
    ~TProgressKeeper() override;

    // Opens the history (once the data file is ours); a file set aside or unusable is told.
    void Open();
    // Stores the time of the puzzle in play and closes the history.
    void Close();
    // Keys and clicks of the application, and the activation of `window`, reach the tracker.
    void WatchWindow(QWidget* window);

    TProgressTracker& Tracker() { return *Tracked; }
    THistory& History() { return Store; }
    const QString& DataFile() const { return Data; }

    bool ClockShown() const;
    void SetClockShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WindowStateChanged();

    QString Data;
    TMessages& Messages;
    THistory Store;
    QElapsedTimer Monotonic;
    std::unique_ptr<TProgressTracker> Tracked;
    QWidget* Window = nullptr;
    QTimer* SaveTimer = nullptr;
};

}  // namespace xs
