// Pasting and dropping puzzles: the checks of an import, and what the player is told.
#include "shell/puzzle_paste.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

#include "manage/puzzle_import.h"

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
        reason = QFile::encodeName(path).toStdString() + " is not a file";
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

int AddPastedPuzzle(TDataFileRecord& record, const std::string& text, TMessages& messages) {
    const auto puzzle = std::make_unique<TImportedPuzzle>();
    std::string reason;
    int slot = 0;
    if (PreparePuzzleImport(text, *puzzle, reason))
        slot = AppendImportedPuzzle(record.Library, record.Settings.LastPuzzleId, *puzzle, reason);
    if (slot == 0)
        messages.ShowMsg("This puzzle cannot be added to the library.\n\r\n\r" + Sentence(reason),
                         TButtons::OkOnly);
    return slot;
}

}  // namespace xs
