// Pasting and dropping puzzles: the checks of an import, and what the player is told.
#include "shell/puzzle_paste.h"

#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>
#include <chrono>
#include <memory>
#include <thread>

#include "manage/puzzle_import.h"
#include "platform/ui_text.h"

namespace xs {

namespace {

// A puzzle's text is a few kilobytes; the reader refuses anything over 64 KB, so no more is read.
constexpr qint64 kMaxPuzzleFile = 64 * 1024 + 1;

std::string Sentence(std::string reason) {
    if (!reason.empty() && reason[0] >= 'a' && reason[0] <= 'z')
        reason[0] = static_cast<char>(reason[0] - 'a' + 'A');
    return reason + ".";
}

}  // namespace

bool IsPuzzleFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("txt") || suffix == QLatin1String("csv");
}

bool ReadPuzzleFile(const QString& path, std::string& text, std::string& reason) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        reason = UiText("%1 is not a file").arg(path).toStdString();
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QFile::encodeName(path).toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = file.read(kMaxPuzzleFile);
    if (file.error() != QFileDevice::NoError) {
        reason = QFile::encodeName(path).toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

void RunCheckBesideWindow(const TPuzzleCheck& check) {
    const std::atomic<bool> stop = false;
    std::atomic<bool> done = false;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done) loop.quit();
    });
    std::thread worker([&] {
        check(stop);
        done = true;
    });
    poll.start(10);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    QGuiApplication::restoreOverrideCursor();
}

int AddPastedPuzzle(TDataFileRecord& record, const std::string& text, TMessages& messages,
                    const TRunCheck& run) {
    const auto puzzle = std::make_unique<TImportedPuzzle>();
    std::string reason;
    bool prepared = false;
    const TPuzzleCheck check = [&](const std::atomic<bool>& stop) {
        prepared = PreparePuzzleImport(text, *puzzle, reason, {std::chrono::seconds(2), &stop});
    };
    if (run) {
        run(check);
    } else {
        check(std::atomic<bool>(false));
    }
    int slot = 0;
    if (prepared) {
        if (const int copy = FindStoredCopy(record.Library, *puzzle); copy != 0) {
            const int answer = messages.ShowMsg(
                Sentence(StoredCopyText(record.Library, copy)) +
                    UiText("\n\r\n\rPress 'O.K.' to add a second copy\n\rPress 'Cancel' to "
                           "cancel the request.")
                        .toStdString(),
                TButtons::OkCancel);
            if (answer != kResultOk) return 0;
        }
        slot = AppendImportedPuzzle(record.Library, record.Settings.LastPuzzleId, *puzzle, reason);
    }
    if (slot == 0) {
        messages.ShowMsg(UiText("This puzzle cannot be added to the library.\n\r\n\r%1")
                             .arg(QString::fromStdString(Sentence(reason)))
                             .toStdString(),
                         TButtons::OkOnly);
    } else if (puzzle->Turned) {
        messages.ShowMsg(
            "This puzzle is taller than the largest size, so it was turned on its side to fit: "
            "its rows are now columns, and its across runs down runs.",
            TButtons::OkOnly);
    }
    return slot;
}

}  // namespace xs
