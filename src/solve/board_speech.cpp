// What a screen reader says about the board: each square's name and value, and the short
// announcements of what a key, a check, a hint or the last entry changed.
#include "solve/board_speech.h"

#include <QCoreApplication>

#include "solve/solve_state.h"

namespace xs {

namespace {

struct TSpeechText {
    Q_DECLARE_TR_FUNCTIONS(BoardSpeech)
};

QString MarksOf(const TSquare& square) {
    QStringList digits;
    for (int d = 1; d <= 9; ++d)
        if (square.IsPossible(d)) digits << QString::number(d);
    return digits.join(QLatin1Char(' '));
}

}  // namespace

QString SquareName(int row, int col) {
    return TSpeechText::tr("row %1, column %2").arg(row).arg(col);
}

QString SquareValue(const TSquare& square, int entryCheck, int possibleCheck) {
    if (square.Kind != static_cast<std::uint8_t>(TSquareKind::White)) {
        QStringList runs;
        if (square.AcrossSquares > 0)
            runs << TSpeechText::tr("across %1 in %n squares", nullptr, square.AcrossSquares)
                        .arg(square.AcrossTotal);
        if (square.DownSquares > 0)
            runs << TSpeechText::tr("down %1 in %n squares", nullptr, square.DownSquares)
                        .arg(square.DownTotal);
        return runs.isEmpty() ? TSpeechText::tr("blank") : runs.join(QStringLiteral(", "));
    }
    QStringList parts;
    if (square.Entry >= 1 && square.Entry <= 9) {
        parts << QString::number(square.Entry);
        if (entryCheck == 1) parts << TSpeechText::tr("wrong");
        if (entryCheck == 2) parts << TSpeechText::tr("right");
        return parts.join(QStringLiteral(", "));
    }
    parts << TSpeechText::tr("empty");
    if (const QString marks = MarksOf(square); !marks.isEmpty())
        parts << TSpeechText::tr("marks %1").arg(marks);
    if (possibleCheck == 1) parts << TSpeechText::tr("answer missing");
    if (possibleCheck == 2) parts << TSpeechText::tr("answer among them");
    return parts.join(QStringLiteral(", "));
}

QString SquareValueIn(const TSolveState& state, int row, int col) {
    const bool checks = state.ChecksShown();
    return SquareValue(state.Work().CurrentPuzzle.Sq[row][col],
                       checks ? state.Checks().EntryCheck[row][col] : 0,
                       checks ? state.Checks().PossibleCheck[row][col] : 0);
}

TBoardSpeechSnapshot TakeSnapshot(const TSolveState& state) {
    TBoardSpeechSnapshot shot;
    shot.Solving = state.Solving();
    if (!shot.Solving) return shot;
    shot.CursorRow = state.CursorRow();
    shot.CursorCol = state.CursorCol();
    const TWorkingCopy& work = state.Work();
    for (int r = 0; r <= work.PuzzleDims.LastRow; ++r) {
        for (int c = 0; c <= work.PuzzleDims.LastCol; ++c) {
            const TSquare& square = work.CurrentPuzzle.Sq[r][c];
            auto& bytes = shot.Squares[static_cast<std::size_t>(r * kGridCols + c)];
            bytes[0] = square.Entry;
            for (int d = 0; d < 9; ++d) bytes[static_cast<std::size_t>(d + 1)] = square.Possible[d];
        }
    }
    if (state.ChecksShown()) {
        for (int r = 1; r <= work.PuzzleDims.LastRow; ++r) {
            for (int c = 1; c <= work.PuzzleDims.LastCol; ++c) {
                const int entry = state.Checks().EntryCheck[r][c];
                const int marks = state.Checks().PossibleCheck[r][c];
                shot.CheckMarks += entry != 0 || marks != 0;
                shot.WrongEntries += entry == 1;
                shot.MissingAnswers += marks == 1;
            }
        }
    }
    if (const TNextStep* hint = state.Hint()) {
        shot.Hint = QString::fromStdString(hint->Text);
        if (hint->Kind != THintKind::Notice) shot.Hint = TSpeechText::tr("Hint: %1").arg(shot.Hint);
    }
    shot.Solved = state.Solved();
    shot.Mode = static_cast<int>(state.Mode());
    shot.MarksOn = state.MarksOn();
    return shot;
}

QStringList SpeakChanges(const TBoardSpeechSnapshot& before, const TBoardSpeechSnapshot& after,
                         const TSolveState& state) {
    QStringList said;
    if (!after.Solving) return said;
    if (!before.Solving)
        return said << TSpeechText::tr("Solving a puzzle; the cursor is on %1.")
                           .arg(SquareName(after.CursorRow, after.CursorCol));
    // Squares: a key or a press changes one; a command changes many.
    constexpr int kNamedAtMost = 3;
    QStringList squares;
    int changed = 0;
    const TPuzzleDims& dims = state.Work().PuzzleDims;
    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            const auto at = static_cast<std::size_t>(r * kGridCols + c);
            if (before.Squares[at] == after.Squares[at]) continue;
            if (++changed <= kNamedAtMost)
                squares << SquareName(r, c) + QStringLiteral(": ") + SquareValueIn(state, r, c);
        }
    }
    if (changed > kNamedAtMost)
        said << TSpeechText::tr("Squares changed: %n.", nullptr, changed);
    else
        said << squares;
    // A check colours squares; a hint that finds a fault colours one and says so itself.
    const bool hinted = !after.Hint.isEmpty() && after.Hint != before.Hint;
    if (after.CheckMarks > 0 && before.CheckMarks == 0 && !hinted) {
        if (after.WrongEntries == 0 && after.MissingAnswers == 0)
            said << TSpeechText::tr("Checked: nothing wrong.");
        else
            said << TSpeechText::tr(
                        "Checked. Wrong entries: %1. Marks that leave out the answer: %2.")
                        .arg(after.WrongEntries)
                        .arg(after.MissingAnswers);
    }
    if (hinted) said << after.Hint;
    if (after.Solved && !before.Solved) said << TSpeechText::tr("The puzzle is solved.");
    if (after.Mode != before.Mode) {
        const char* const modes[] = {QT_TRANSLATE_NOOP("BoardSpeech", "Solve mode."),
                                     QT_TRANSLATE_NOOP("BoardSpeech", "Erase mode."),
                                     QT_TRANSLATE_NOOP("BoardSpeech", "Fill mode.")};
        if (after.Mode >= 0 && after.Mode < 3) said << TSpeechText::tr(modes[after.Mode]);
    }
    if (after.MarksOn != before.MarksOn)
        said << (after.MarksOn ? TSpeechText::tr("The digit keys mark.")
                               : TSpeechText::tr("The digit keys enter."));
    return said;
}

}  // namespace xs
