// Puzzles pasted with Ctrl+V or dropped on the window: added where the player looks, refused with
// the reason and the library untouched, ignored where no list is shown.
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
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
        Main->DropPuzzleFile(path);
        QCOMPARE(AppData().File.Library.Counts.Total, 2);
        QVERIFY(Main->frmCreate->State().Selected(2));
        QVERIFY(!Main->frmCreate->State().Selected(1));
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
