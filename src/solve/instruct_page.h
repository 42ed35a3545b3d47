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

// Lines of the keyboard's note.
constexpr int kKeyLines = 7;

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
    // The hint on show, whole, at the page's top; empty: none.
    void SetHint(const QString& text);

    std::array<QLabel*, 4> lblHow;           // the four lines that explain the actions
    QLabel* lblOr;                           // "OR" between the second and third picture
    QLabel* lblNotes;                        // the heading
    std::array<QLabel*, 4> lblNotes1;        // the note lines
    std::array<QLabel*, kKeyLines> lblKeys;  // the note on the keyboard and its assists
    QLabel* lblHint;                         // the hint on show
    std::array<TSolvePaintBox*, 3> imgExamples;
    QPushButton* bnInstructReturn;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places everything with pictures of `square`-pixel squares: false when the page's foot
    // then lies below its edge.
    bool LayoutAt(int square);

    int Square = 42;  // the pictures' squares as last laid out
};

}  // namespace xs
