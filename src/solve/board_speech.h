// What a screen reader says about the board: each square's name and value, and the short
// announcements of what a key, a check, a hint or the last entry changed.
#pragma once

#include <array>
#include <cstdint>

#include <QString>
#include <QStringList>

#include "model/records.h"
#include "solve/solve_types.h"

namespace xs {

class TSolveState;

// "row 3, column 5", counted as the player sees the board: row 1 is the first row below the clue
// row, column 1 the first column right of the clue column.
QString SquareName(int row, int col);

// A White square: "empty", "empty, marks 1 2 7", "7", "7, wrong" (after a check), "empty, marks
// 1 2 7, answer missing". A Black one: "across 17 in 2 squares, down 24 in 3 squares", or
// "blank" without totals.
QString SquareValue(const TSquare& square, int entryCheck, int possibleCheck);

// The square's value as it stands on the solving page.
QString SquareValueIn(const TSolveState& state, int row, int col);

// What the board shows, kept between two looks so that a change can be said.
struct TBoardSpeechSnapshot {
    bool Solving = false;
    int CursorRow = -1;
    int CursorCol = -1;
    std::array<std::array<std::uint8_t, 10>, kGridRows * kGridCols> Squares{};  // entry, marks
    int CheckMarks = 0;  // squares coloured by a check (or by a hint that found a fault)
    int WrongEntries = 0;
    int MissingAnswers = 0;  // marks that leave out the answer
    QString Hint{};
    bool Solved = false;
    int Mode = 0;  // TSolveMode
    bool MarksOn = false;
};
TBoardSpeechSnapshot TakeSnapshot(const TSolveState& state);

// What changed from before to after, said in the order a player wants it: entries and marks of
// the squares that changed (at most a few, else how many), the check's result, the hint, the
// solved puzzle. Empty when nothing the player hears changed; a moved cursor is not said here
// (the focus moves instead).
QStringList SpeakChanges(const TBoardSpeechSnapshot& before, const TBoardSpeechSnapshot& after,
                         const TSolveState& state);

}  // namespace xs
