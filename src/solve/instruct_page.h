// The solve screen's instructions page: how to use the board, with pictures of a few squares
// before and after each action, drawn by the board's own square drawing.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "model/records.h"
#include "solve/solve_types.h"

namespace xs {

class TSolvePaintBox;

// One picture: a strip of squares before an action, an arrow, and the same squares after it.
struct TInstructExample {
    TPuzzleGrid Before;
    TPuzzleGrid After;
    TSelectedRun AfterSelected;  // the clicked clue, highlighted in the after picture
    int Cols = 1;                // squares shown: row 1, columns FirstCol..FirstCol + Cols - 1
    int FirstCol = 1;
};

// The three examples: a clue click that marks its run, a pad click that enters a digit (and back
// again), a right click that toggles a mark.
const std::array<TInstructExample, 3>& InstructExamples();

class TInstructPage : public QWidget {
    Q_OBJECT

public:
    explicit TInstructPage(QWidget* parent);

    // Places everything for the page's size and font.
    void Layout();

    std::array<QLabel*, 4> lblHow;     // the four lines that explain the actions
    QLabel* lblOr;                     // "OR" between the second and third picture
    QLabel* lblNotes;                  // the heading
    std::array<QLabel*, 4> lblNotes1;  // the note lines
    std::array<QLabel*, 4> lblKeys;    // the note on the keyboard
    std::array<TSolvePaintBox*, 3> imgExamples;
    QPushButton* bnInstructReturn;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int PictureSquare() const;
};

}  // namespace xs
