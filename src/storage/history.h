// The lasting history of the player's games: an SQLite file beside the data file, read and written
// through Qt SQL. The game and the data file never depend on it: when it fails, play goes on.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "storage/history_records.h"

class QSqlError;
class QSqlQuery;

namespace xs {

// "<folder>/<stem>.history.sqlite" beside the file the data file's path leads to.
QString HistoryPathFor(const QString& dataFile);

// The schema this edition writes (PRAGMA user_version). Version 1 knew only the time and the
// number of hints; opening it moves it to this version in one transaction.
constexpr int kHistoryVersion = 2;

enum class THistoryState {
    Closed,    // not opened, or opening failed: nothing is read or recorded
    Open,      // read and written
    ReadOnly,  // written by a newer edition: read, never changed
};

struct THistoryOpen {
    THistoryState State = THistoryState::Closed;
    // For the player, or empty: what was set aside and where, or why there is no history.
    std::string Notice{};
};

// One connection to one history file. Contract:
// - Every change is one transaction (BEGIN IMMEDIATE ... COMMIT): a kill at any moment leaves
//   the file as before or after it.
// - One writer at a time: SQLite's lock on the file. A writer waits up to BusyMillis for
//   another program's transaction, then the change is refused (false) and nothing is written.
// - A file at the path that is not an SQLite database, or one that fails its check, is renamed
//   to "<path>.damaged-YYYYMMDD-HHMMSS" and a new one started; Open says so in its notice.
class THistory {
public:
    THistory();
    ~THistory();
    THistory(const THistory&) = delete;
    THistory& operator=(const THistory&) = delete;

    // Creates the file when missing (its folder must exist).
    THistoryOpen Open(const QString& path, int busyMillis = 3000);
    void Close();
    THistoryState State() const { return State_; }
    bool Writable() const { return State_ == THistoryState::Open; }
    const QString& Path() const { return Path_; }
    // The last failure, in one line; empty when none.
    const std::string& LastError() const { return Error_; }

    // The puzzle in play by its Id; nothing when it has no record.
    std::optional<TPlayRecord> InPlay(int puzzleId);
    // The hints asked for in every puzzle still in play, added up by technique.
    THintCounts InPlayHints();
    bool SaveInPlay(int puzzleId, const TPlayRecord& record);
    // The puzzle's reset: its time and counts start again.
    bool ClearInPlay(int puzzleId);
    // Adds the row and ends the puzzle's record in play, in one transaction.
    bool RecordSolved(const TSolvedRecord& record);
    // Every solved puzzle, oldest first.
    std::vector<TSolvedRecord> Solved();

    // Where a puzzle came from; kOriginMade when nothing was recorded.
    bool SetOrigin(int puzzleId, const std::string& origin);
    std::string Origin(int puzzleId);

private:
    bool Connect(const QString& path);
    bool Prepare(THistoryOpen& result);
    bool Migrate(int from);
    bool Begin();
    bool Commit();
    // One change in one transaction; body returns false on a failed statement.
    bool Change(const std::function<bool(QSqlQuery&)>& body);
    bool Fail(const QString& what);
    bool Fail(const QSqlError& error);

    QString Connection_;
    QString Path_;
    THistoryState State_ = THistoryState::Closed;
    std::string Error_;
    bool Busy_ = false;  // the last failure was another program's lock
    int BusyMillis_ = 3000;
};

}  // namespace xs
