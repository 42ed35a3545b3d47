// Names and values for assistive technology on what the solve and create screens draw
// themselves: the board's squares (following the keyboard cursor and saying what changed), the
// puzzle lists' cells, the preview and the values strip.
#pragma once

#include <QAccessibleInterface>
#include <QString>

namespace xs {

// A factory for QAccessible::installFactory: interfaces for the solve screen's board (dgGrid),
// its chooser list (sgPuzzles), preview (dgSmall) and values strip (dgValues), and for the create
// screen's puzzle list; nullptr for anything else.
QAccessibleInterface* SolveAccessibleFactory(const QString& className, QObject* object);

// The create screen's list is found through this hook, which the manage room fills in (the solve
// room does not look up into it): the list widget, the number of used slots, and whether a slot
// is selected. Unset: no interface for it.
struct TPuzzleListAccess {
    bool (*IsList)(QObject* object) = nullptr;
    bool (*Selected)(QObject* list, int slot) = nullptr;
};
void SetPuzzleListAccess(const TPuzzleListAccess& access);

// The text of a library cell as the lists say it: "Puzzle 12: 10 x 16, 3 stars, solved", or
// "empty".
QString PuzzleCellText(int slot);

}  // namespace xs
