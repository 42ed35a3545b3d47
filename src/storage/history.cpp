// The history file: opening (with its checks and the setting aside of a damaged file), the
// schema and its migration, and one transaction per change.
#include "storage/history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "storage/data_path.h"

namespace xs {

namespace {

std::atomic<int> connections{0};

// SQLite's own word for a file held by another program's transaction.
bool IsBusy(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6");
}

// An SQLite file starts with these 16 bytes; an empty file is a new database.
bool LooksLikeSqlite(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return true;  // opening will say why
    const QByteArray head = file.read(16);
    return head.isEmpty() || head == QByteArray("SQLite format 3\0", 16);
}

QString AsidePathFor(const QString& path) {
    const QString base = path + QLatin1String(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = base + QLatin1Char('.') + QString::number(n);
    return aside;
}

// Version 1: the time and the number of hints.
const char* const kSchemaV1[] = {
    "CREATE TABLE in_play (puzzle_id INTEGER PRIMARY KEY, millis INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE solved (id INTEGER PRIMARY KEY, solved_at INTEGER NOT NULL, "
    "puzzle_id INTEGER NOT NULL, size INTEGER NOT NULL, stars INTEGER NOT NULL, "
    "millis INTEGER NOT NULL, hints INTEGER NOT NULL DEFAULT 0)",
};
// Version 2: hints by technique, checks, assists, where a puzzle came from, its hardest
// technique and whether it was solved without help.
const char* const kToV2[] = {
    "ALTER TABLE in_play ADD COLUMN hint_techniques TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE in_play ADD COLUMN checks INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE in_play ADD COLUMN assists INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE solved ADD COLUMN origin TEXT NOT NULL DEFAULT 'made'",
    "ALTER TABLE solved ADD COLUMN hardest TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE solved ADD COLUMN hint_techniques TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE solved ADD COLUMN checks INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE solved ADD COLUMN assists INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE solved ADD COLUMN unaided INTEGER NOT NULL DEFAULT 0",
    "UPDATE solved SET unaided = (hints = 0)",
    "CREATE TABLE origins (puzzle_id INTEGER PRIMARY KEY, origin TEXT NOT NULL)",
};

std::string Text(const QString& text) {
    return text.toStdString();
}

}  // namespace

QString HistoryPathFor(const QString& dataFile) {
    const QFileInfo file(InspectDataPath(dataFile).Resolved);
    return file.dir().filePath(file.completeBaseName() + QLatin1String(".history.sqlite"));
}

THistory::THistory() : Connection_(QStringLiteral("xs_history_%1").arg(++connections)) {}

THistory::~THistory() {
    Close();
}

void THistory::Close() {
    if (QSqlDatabase::contains(Connection_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(Connection_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(Connection_);
    }
    State_ = THistoryState::Closed;
}

bool THistory::Fail(const QString& what) {
    Error_ = Text(what);
    return false;
}

bool THistory::Fail(const QSqlError& error) {
    Busy_ = IsBusy(error);
    return Fail(error.text());
}

bool THistory::Connect(const QString& path) {
    Close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyMillis_));
    if (!db.open()) return Fail(db.lastError());
    return true;
}

THistoryOpen THistory::Open(const QString& path, int busyMillis) {
    Close();
    Path_ = path;
    BusyMillis_ = busyMillis;
    Error_.clear();
    Busy_ = false;
    THistoryOpen result;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        result.Notice = Text(QStringLiteral("%1 is not a file, so the history of your games is "
                                            "not kept this time.")
                                 .arg(QDir::toNativeSeparators(path)));
        return result;
    }
    bool busy = false;
    if (!info.exists() || LooksLikeSqlite(path)) {
        if (Connect(path) && Prepare(result)) return result;
        busy = Busy_;
        Close();
        if (busy || !QFileInfo::exists(path)) {
            result.Notice =
                Text(QStringLiteral("The history of your games at %1 cannot be used "
                                    "now (%2), so this game is not recorded.")
                         .arg(QDir::toNativeSeparators(path), QString::fromStdString(Error_)));
            return result;
        }
    }
    // Damaged or foreign: set aside with its journal, and start anew.
    const QString aside = AsidePathFor(path);
    if (!QFile::rename(path, aside)) {
        result.Notice = Text(QStringLiteral("The history of your games at %1 cannot be read and "
                                            "cannot be moved aside, so this game is not recorded.")
                                 .arg(QDir::toNativeSeparators(path)));
        return result;
    }
    QFile::rename(path + QLatin1String("-journal"), aside + QLatin1String("-journal"));
    result.Notice = Text(QStringLiteral("The history of your games at %1 could not be read. It "
                                        "was kept as %2 and a new one started.")
                             .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside)));
    if (!Connect(path) || !Prepare(result)) {
        Close();
        result.State = THistoryState::Closed;
    }
    return result;
}

bool THistory::Prepare(THistoryOpen& result) {
    QSqlDatabase db = QSqlDatabase::database(Connection_, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return Fail(query.lastError());
    if (query.value(0).toString() != QLatin1String("ok"))
        return Fail(QStringLiteral("damaged: ") + query.value(0).toString());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return Fail(query.lastError());
    const int version = query.value(0).toInt();
    if (version == 0) {
        // A database of some other program is not ours to change.
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
            return Fail(query.lastError());
        if (query.value(0).toInt() != 0) return Fail(QStringLiteral("not a history file"));
    }
    query.finish();
    if (version > kHistoryVersion) {
        State_ = THistoryState::ReadOnly;
        result.State = State_;
        result.Notice = Text(QStringLiteral("The history of your games at %1 was written by a "
                                            "newer edition: it is shown but not added to.")
                                 .arg(QDir::toNativeSeparators(Path_)));
        return true;
    }
    if (version < kHistoryVersion && !Migrate(version)) return false;
    State_ = THistoryState::Open;
    result.State = State_;
    return true;
}

bool THistory::Migrate(int from) {
    if (!Begin()) return false;
    QSqlQuery query(QSqlDatabase::database(Connection_, false));
    const auto run = [&](const char* statement) {
        return query.exec(QString::fromLatin1(statement)) || Fail(query.lastError());
    };
    bool ok = true;
    if (from < 1)
        for (const char* statement : kSchemaV1) ok = ok && run(statement);
    if (from < 2)
        for (const char* statement : kToV2) ok = ok && run(statement);
    ok = ok && run("PRAGMA user_version = 2");
    query.finish();
    if (!ok) {
        QSqlDatabase::database(Connection_, false).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return Commit();
}

bool THistory::Begin() {
    QSqlQuery query(QSqlDatabase::database(Connection_, false));
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return Fail(query.lastError());
    return true;
}

bool THistory::Commit() {
    QSqlDatabase db = QSqlDatabase::database(Connection_, false);
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("COMMIT"))) return true;
    Fail(query.lastError());
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
}

std::optional<TPlayRecord> THistory::InPlay(int puzzleId) {
    if (State_ == THistoryState::Closed) return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(Connection_, false));
    query.prepare(
        QStringLiteral("SELECT millis, hint_techniques, checks, assists FROM in_play "
                       "WHERE puzzle_id = ?"));
    query.addBindValue(puzzleId);
    if (!query.exec()) {
        Fail(query.lastError());
        return std::nullopt;
    }
    if (!query.next()) return std::nullopt;
    TPlayRecord record;
    record.Millis = query.value(0).toLongLong();
    record.Hints = DecodeHints(query.value(1).toString().toStdString());
    record.Checks = query.value(2).toInt();
    record.Assists = query.value(3).toInt();
    return record;
}

THintCounts THistory::InPlayHints() {
    THintCounts total;
    if (State_ == THistoryState::Closed) return total;
    QSqlQuery query(QSqlDatabase::database(Connection_, false));
    if (!query.exec(QStringLiteral("SELECT hint_techniques FROM in_play"))) {
        Fail(query.lastError());
        return total;
    }
    while (query.next())
        for (const auto& [technique, count] : DecodeHints(query.value(0).toString().toStdString()))
            total[technique] += count;
    return total;
}

bool THistory::Change(const std::function<bool(QSqlQuery&)>& body) {
    if (!Writable() || !Begin()) return false;
    bool ok = false;
    {
        QSqlQuery query(QSqlDatabase::database(Connection_, false));
        ok = body(query) || Fail(query.lastError());
    }
    if (!ok) {
        QSqlDatabase::database(Connection_, false).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return Commit();
}

bool THistory::SaveInPlay(int puzzleId, const TPlayRecord& record) {
    return Change([&](QSqlQuery& query) {
        query.prepare(
            QStringLiteral("INSERT OR REPLACE INTO in_play (puzzle_id, millis, "
                           "hint_techniques, checks, assists) VALUES (?, ?, ?, ?, ?)"));
        query.addBindValue(puzzleId);
        query.addBindValue(static_cast<qlonglong>(record.Millis));
        query.addBindValue(QString::fromStdString(EncodeHints(record.Hints)));
        query.addBindValue(record.Checks);
        query.addBindValue(record.Assists);
        return query.exec();
    });
}

bool THistory::ClearInPlay(int puzzleId) {
    return Change([&](QSqlQuery& query) {
        query.prepare(QStringLiteral("DELETE FROM in_play WHERE puzzle_id = ?"));
        query.addBindValue(puzzleId);
        return query.exec();
    });
}

bool THistory::RecordSolved(const TSolvedRecord& r) {
    return Change([&](QSqlQuery& query) {
        query.prepare(QStringLiteral(
            "INSERT INTO solved (solved_at, puzzle_id, size, stars, millis, hints, origin, "
            "hardest, hint_techniques, checks, assists, unaided) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant(static_cast<qlonglong>(r.SolvedAt)), QVariant(r.PuzzleId), QVariant(r.Size),
              QVariant(r.Stars), QVariant(static_cast<qlonglong>(r.Millis)),
              QVariant(std::max(r.HintCount, HintTotal(r.Hints))),
              QVariant(QString::fromStdString(r.Origin)),
              QVariant(QString::fromStdString(r.Hardest)),
              QVariant(QString::fromStdString(EncodeHints(r.Hints))), QVariant(r.Checks),
              QVariant(r.Assists), QVariant(r.Unaided ? 1 : 0)})
            query.addBindValue(value);
        if (!query.exec()) return false;
        query.prepare(QStringLiteral("DELETE FROM in_play WHERE puzzle_id = ?"));
        query.addBindValue(r.PuzzleId);
        return query.exec();
    });
}

std::vector<TSolvedRecord> THistory::Solved() {
    std::vector<TSolvedRecord> rows;
    if (State_ == THistoryState::Closed) return rows;
    QSqlQuery query(QSqlDatabase::database(Connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT solved_at, puzzle_id, size, stars, origin, hardest, millis, hints, "
            "hint_techniques, checks, assists, unaided FROM solved ORDER BY id"))) {
        Fail(query.lastError());
        return rows;
    }
    while (query.next()) {
        TSolvedRecord r;
        r.SolvedAt = query.value(0).toLongLong();
        r.PuzzleId = query.value(1).toInt();
        r.Size = query.value(2).toInt();
        r.Stars = query.value(3).toInt();
        r.Origin = query.value(4).toString().toStdString();
        r.Hardest = query.value(5).toString().toStdString();
        r.Millis = query.value(6).toLongLong();
        r.HintCount = query.value(7).toInt();
        r.Hints = DecodeHints(query.value(8).toString().toStdString());
        r.Checks = query.value(9).toInt();
        r.Assists = query.value(10).toInt();
        r.Unaided = query.value(11).toInt() != 0;
        rows.push_back(std::move(r));
    }
    return rows;
}

bool THistory::SetOrigin(int puzzleId, const std::string& origin) {
    return Change([&](QSqlQuery& query) {
        query.prepare(
            QStringLiteral("INSERT OR REPLACE INTO origins (puzzle_id, origin) VALUES (?, ?)"));
        query.addBindValue(puzzleId);
        query.addBindValue(QString::fromStdString(origin));
        return query.exec();
    });
}

std::string THistory::Origin(int puzzleId) {
    if (State_ == THistoryState::Closed) return kOriginMade;
    QSqlQuery query(QSqlDatabase::database(Connection_, false));
    query.prepare(QStringLiteral("SELECT origin FROM origins WHERE puzzle_id = ?"));
    query.addBindValue(puzzleId);
    if (query.exec() && query.next()) return query.value(0).toString().toStdString();
    return kOriginMade;
}

}  // namespace xs
