// Puzzles pasted with Ctrl+V or dropped on the window: added where the player looks, refused with
// the reason and the library untouched, ignored where no list is shown; a copy asked about, a tall
// puzzle turned, a long check stopped.
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "manage/create_screen.h"
#include "manage/create_state.h"
#include "shell/main_window.h"
#include "shell/shell_test_support.h"
#include "solve/solve_screen.h"

using namespace xs;
using xs::test::TScriptedMessages;

namespace {

const TScreenMetrics kScreen = xs::test::Screen(1280, 1024, 994);

// 1 2 / 3 4 in the corner: one solution.
constexpr const char* kPuzzle = "### 4\\ 6\\\n\\3 . .\n\\7 . .\n";

// Whether the window takes a file dragged over it.
bool TakesDrag(QWidget* window, const QString& name) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/") + name)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(window, &enter);
    return enter.isAccepted();
}

}  // namespace

class TPuzzlePasteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        xs::test::ResetAppData();
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        Paths = xs::test::PathsIn(*Dir);
        xs::test::WriteValidFile(Paths, {40, 30, 1000, 720}, 0);
        Main = xs::test::StartMain(Paths, Messages, kScreen);
        QVERIFY(Main != nullptr);
        Messages.Shown.clear();
    }
    void cleanup() {
        Main.reset();
        QGuiApplication::clipboard()->clear();
    }

    void PasteOnTheChooserAddsThePuzzleAndChoosesIt() {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(kPuzzle));
        QTest::keyClick(Main->frmSolve, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(AppData().File.Library.Counts.Total, 2);
        QCOMPARE(AppData().Work.CurrentSlot, 2);
        QCOMPARE(AppData().File.Library.Grid(2).Sq[2][2].Answer(), 4);
        QVERIFY(Messages.Shown.empty());

        // The same puzzle again: the player is asked, and only O.K. adds a second copy.
        for (const int answer : {kResultCancel, kResultOk}) {
            Messages.Shown.clear();
            Messages.Answers = {answer};
            QTest::keyClick(Main->frmSolve, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(Messages.Shown, std::vector<std::string>{
                                         "The puzzle is already in the library as Id 2 in slot "
                                         "2.\n\r\n\rPress 'O.K.' to add a second copy\n\r"
                                         "Press 'Cancel' to cancel the request."});
            QCOMPARE(AppData().File.Library.Counts.Total, answer == kResultOk ? 3 : 2);
        }
    }

    // 20 rows x 3 columns: stored on its side, and the player is told.
    void ATallPuzzleIsTurnedAndSaysSo() {
        std::string tall = kPuzzle;
        for (int r = 0; r < 17; ++r) tall += "### ### ###\n";
        QGuiApplication::clipboard()->setText(QString::fromStdString(tall));
        QTest::keyClick(Main->frmSolve, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(AppData().File.Library.Counts.Total, 2);
        QCOMPARE(AppData().File.Library.Grid(2).Sq[1][0].AcrossTotal, 4);
        QCOMPARE(Messages.Shown,
                 std::vector<std::string>{"This puzzle is taller than the largest size, so it was "
                                          "turned on its side to fit: its rows are now columns, "
                                          "and its across runs down runs."});
    }

    // An 8 x 8 open block whose totals do not quite agree keeps the search going: on the create
    // screen the progress panel shows while the window paints, and its stop button ends it.
    void ALongCheckShowsProgressAndStops() {
        Main->ChangeScreen(TScreenId::Create);
        std::string block = "###";
        for (const int total : {44, 43, 42, 41, 40, 39, 38, 36})
            block.append(" ").append(std::to_string(total)).append("\\");
        for (int r = 1; r <= 8; ++r)
            block.append("\n\\").append(std::to_string(45 - r)).append(" . . . . . . . .");
        QGuiApplication::clipboard()->setText(QString::fromStdString(block));
        bool shown = false;
        QTimer::singleShot(100, Main->frmCreate, [&] {
            shown = Main->frmCreate->PanelProcessing->isVisible();
            QTest::mouseClick(Main->frmCreate->bnStop, Qt::LeftButton);
        });
        QTest::keyClick(Main->frmCreate, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(shown);
        QVERIFY(!Main->frmCreate->PanelProcessing->isVisible());
        QCOMPARE(Messages.Shown, std::vector<std::string>{
                                     "This puzzle cannot be added to the library.\n\r\n\rThe "
                                     "check was stopped before it could tell whether the puzzle "
                                     "has one solution."});
        QCOMPARE(AppData().File.Library.Counts.Total, 1);
    }

    void BadTextIsRefusedWithItsReason() {
        QGuiApplication::clipboard()->setText(QStringLiteral("### 4\\ 6\\\n\\3 . .\n"));
        const auto before = std::make_unique<TPuzzleLibrary>(AppData().File.Library);
        QTest::keyClick(Main->frmSolve, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Messages.Shown.size(), size_t(1));
        QCOMPARE(QString::fromStdString(Messages.Shown[0]),
                 QStringLiteral("This puzzle cannot be added to the library.\n\r\n\rLine 1, "
                                "column 2: the down total 4 has a run of 1 square; a run has 2 "
                                "to 9."));
        QVERIFY(std::memcmp(before.get(), &AppData().File.Library, sizeof *before) == 0);
    }

    void DropOnTheCreateScreenSelectsTheNewPuzzle() {
        Main->ChangeScreen(TScreenId::Create);
        const QString path = Dir->filePath(QStringLiteral("Puzzle.CSV"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("###,4\\,6\\\r\n\\3,,\r\n\\7,,\r\n");
        file.close();
        // The player's selection stays; the new puzzle joins it.
        Main->frmCreate->State().CellClick(1);
        Main->DropPuzzleFile(path);
        QCOMPARE(AppData().File.Library.Counts.Total, 2);
        QVERIFY(Main->frmCreate->State().Selected(2));
        QVERIFY(Main->frmCreate->State().Selected(1));
        QCOMPARE(Main->frmCreate->State().SelectedCount(), 2);
        QVERIFY(Messages.Shown.empty());
    }

    void OnlyOneTextOrCsvFileIsTaken() {
        QVERIFY(TakesDrag(Main.get(), QStringLiteral("a.txt")));
        QVERIFY(TakesDrag(Main.get(), QStringLiteral("B.Csv")));
        QVERIFY(!TakesDrag(Main.get(), QStringLiteral("c.png")));
        QVERIFY(!TakesDrag(Main.get(), QStringLiteral("txt")));
    }

    void AFullLibrarySaysSo() {
        TDataFileRecord& file = AppData().File;
        for (int slot = 2; slot <= MaxPuzzles; ++slot)
            xs::test::AddSamplePuzzle(file.Library, file.Settings.LastPuzzleId, TPuzzleSize::Mini,
                                      2);
        QGuiApplication::clipboard()->setText(QString::fromLatin1(kPuzzle));
        QTest::keyClick(Main->frmSolve, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Messages.Shown.size(), size_t(1));
        QVERIFY(
            Messages.Shown[0].find("The library holds 100 puzzles: delete some to make room.") !=
            std::string::npos);
        QCOMPARE(file.Library.Counts.Total, 100);
    }

    // The solving page and the other screens take no paste; a drop there says where to drop.
    void ElsewherePasteDoesNothingAndADropSaysWhere() {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(kPuzzle));
        Main->ChangeScreen(TScreenId::Hints);
        QTest::keyClick(Main->frmHints, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(AppData().File.Library.Counts.Total, 1);
        QVERIFY(Messages.Shown.empty());
        Main->DropPuzzleFile(Dir->filePath(QStringLiteral("none.txt")));
        QCOMPARE(Messages.Shown.size(), size_t(1));
        QCOMPARE(AppData().File.Library.Counts.Total, 1);
    }

private:
    std::unique_ptr<QTemporaryDir> Dir;
    TDataFilePaths Paths;
    TScriptedMessages Messages;
    std::unique_ptr<TfrmMain> Main;
};

QTEST_MAIN(TPuzzlePasteTest)
#include "puzzle_paste_test.moc"
