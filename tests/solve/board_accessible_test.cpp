// What assistive technology reads on the solve screen: the board's squares after keys, marks,
// entries, a check and a hint, the chooser's cells, and the order Tab takes through the controls.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <memory>

#include "app/desktop_access.h"
#include "manage/create_screen.h"
#include "solve/solve_screen.h"
#include "solve/solve_widgets.h"
#include "storage/settings.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

using xs::TfrmSolve;

class BoardAccessibleTest : public QObject {
    Q_OBJECT

private:
    xs::test::TScriptedMessages Messages;
    xs::TProgramFonts Fonts;
    std::unique_ptr<TfrmSolve> Screen;

    QAccessibleInterface* Board() const {
        return QAccessible::queryAccessibleInterface(Screen->dgGrid);
    }
    QString Said(int row, int col) const {
        const int columns = xs::AppData().Work.PuzzleDims.LastCol + 1;
        return Board()->child(row * columns + col)->text(QAccessible::Name);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();  // the board's repaint, where changes are said
    }

private slots:
    void initTestCase() { xs::InstallDesktopAccess(); }
    void init() {
        const auto blank = std::make_unique<xs::TAppData>();
        xs::AppData() = *blank;
        xs::TAppData& app = xs::AppData();
        xs::test::AddSamplePuzzle(app.File.Library, app.File.Settings.LastPuzzleId,
                                  xs::TPuzzleSize::Mini, 2);
        Screen = std::make_unique<TfrmSolve>(Fonts, Messages, 20);
        Screen->resize(900, 560);
        Screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(Screen.get()));
        Screen->FormShow();
    }
    void cleanup() { Screen.reset(); }

    // Answers 1 2 / 3 5 in rows 1..2, columns 1..2; clues in row 0 and column 0.
    void SquaresSayTheirNameAndValueAsTheBoardChanges() {
        QAccessibleInterface* chooser = QAccessible::queryAccessibleInterface(Screen->sgPuzzles);
        QCOMPARE(chooser->child(0)->text(QAccessible::Name), QString("Puzzle 1: 9 x 13, 2 star"));
        QCOMPARE(chooser->child(1)->text(QAccessible::Name), QString("empty"));
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(Board()->childCount(), 9 * 13);
        QCOMPARE(Said(1, 0), QString("row 1, column 0: across 3 in 2 squares"));
        QCOMPARE(Said(0, 2), QString("row 0, column 2: down 7 in 2 squares"));
        QCOMPARE(Said(0, 0), QString("row 0, column 0: blank"));

        Key(Qt::Key_Right);
        QCOMPARE(Board()->focusChild()->text(QAccessible::Name), QString("row 1, column 2: empty"));
        Key(Qt::Key_M);
        QCOMPARE(Board()->text(QAccessible::Description), QString("The digit keys mark."));
        for (Qt::Key key : {Qt::Key_7, Qt::Key_1, Qt::Key_2}) Key(key);
        QCOMPARE(Board()->focusChild()->text(QAccessible::Name),
                 QString("row 1, column 2: empty, marks 1 2 7"));
        Key(Qt::Key_M);
        Key(Qt::Key_Down);
        Key(Qt::Key_4);
        QCOMPARE(Board()->text(QAccessible::Description), QString("row 2, column 2: 4"));
        QTest::mouseClick(Screen->bnCheck, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(Said(2, 2), QString("row 2, column 2: 4, wrong"));
        QCOMPARE(Said(1, 2), QString("row 1, column 2: empty, marks 1 2 7, answer among them"));
        QCOMPARE(Board()->text(QAccessible::Description),
                 QString("Checked. Wrong entries: 1. Marks that leave out the answer: 0."));
        Key(Qt::Key_Backspace);
        Key(Qt::Key_H);
        QVERIFY(Board()->text(QAccessible::Description).startsWith("Hint: "));
        Key(Qt::Key_H);  // the hint placed: its square says the digit
        const xs::TSolveState& state = Screen->State();
        QCOMPARE(
            Said(state.CursorRow(), state.CursorCol()).section(": ", 1),
            QString::number(
                xs::AppData().Work.CurrentPuzzle.Sq[state.CursorRow()][state.CursorCol()].Entry));
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_1, Qt::Key_Right, Qt::Key_2, Qt::Key_Down,
                            Qt::Key_5, Qt::Key_Left, Qt::Key_3})
            Key(key);
        QVERIFY(Board()->text(QAccessible::Description).endsWith("The puzzle is solved."));
    }

    // The create screen's list names each cell and says how many are selected once past three.
    void TheCreateListSaysItsCellsAndSelection() {
        xs::TAppData& app = xs::AppData();
        for (int k = 0; k < 3; ++k)
            xs::test::AddSamplePuzzle(app.File.Library, app.File.Settings.LastPuzzleId,
                                      xs::TPuzzleSize::Large, 5);
        xs::TfrmCreate create(Fonts, Messages, 20);
        create.resize(1000, 660);
        create.show();
        QVERIFY(QTest::qWaitForWindowExposed(&create));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(create.sgPuzzles);
        QCOMPARE(list->child(3)->text(QAccessible::Name), QString("Puzzle 4: 16 x 26, 5 star"));
        QCOMPARE(list->child(4)->text(QAccessible::Name), QString("empty"));
        QTest::mouseClick(create.bnSelectT, Qt::LeftButton);
        QCOMPARE(list->text(QAccessible::Value), QString("4 puzzles selected"));
        QVERIFY(list->child(0)->state().selected && !list->child(4)->state().selected);
    }

    // Tab reaches every control of the solving page in reading order; on the board Tab steps
    // through the runs and Ctrl+Tab leaves it.
    void TabTakesTheControlsInOrderAndCtrlTabLeavesTheBoard() {
        QTest::mouseClick(Screen->bnSolve, Qt::LeftButton);
        Screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Screen.get()));
        QVERIFY(Screen->hasFocus());
        Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Screen.get());
        QStringList order;
        Key(Qt::Key_Tab, Qt::ControlModifier);
        for (QWidget* w = QApplication::focusWidget(); w != Screen.get() && order.size() < 60;
             w = QApplication::focusWidget()) {
            QVERIFY(w->isVisible());
            order << (w->objectName().isEmpty() ? w->accessibleName() : w->objectName());
            Key(Qt::Key_Tab);
        }
        // Disabled at the start: the other modes, zoom out, undo, check and erase all.
        QCOMPARE(order.join(", "), QString("Total: one more, Total: one less, Squares: one more, "
                                           "Squares: one less, bnMoveToSide, sbNormal, bnMore, "
                                           "bnZoomIn, bnFill, bnReset, bnSave, bnPrint, bnReturn"));
    }
};

QTEST_MAIN(BoardAccessibleTest)
#include "board_accessible_test.moc"
