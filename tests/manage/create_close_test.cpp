// Closing the main window while the create screen makes puzzles: the batch stops first, and the
// data file written at the close holds every puzzle stored before it.
#include <QApplication>
#include <QTest>

#include "manage/create_screen.h"
#include "shell/shell_test_support.h"

using namespace xs;

class TCreateCloseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { xs::test::ResetAppData(); }

    void ClosingTheMainWindowDuringABatchWritesEveryStoredPuzzle() {
        QTemporaryDir dir;
        const TDataFilePaths paths = xs::test::PathsIn(dir);
        xs::test::WriteValidFile(paths, {0, 0, 1000, 720}, 2);
        xs::test::TScriptedMessages messages;
        auto main = xs::test::StartMain(paths, messages, xs::test::Screen(1280, 1024, 994));
        QVERIFY(main != nullptr);
        main->ChangeScreen(TScreenId::Create);
        TfrmCreate& screen = *main->frmCreate;
        QTest::mouseClick(screen.rbMini, Qt::LeftButton);
        for (int i = 0; i < 3; ++i) QTest::mouseClick(screen.spnCreate[2]->Up, Qt::LeftButton);

        screen.BeforePoll = [&] {
            if (AppData().File.Library.Counts.Total == 2 && main->isVisible()) main->close();
        };
        QTest::mouseClick(screen.bnCreate, Qt::LeftButton);

        QVERIFY(!main->isVisible());
        const auto written = xs::test::ReadBack(paths);
        QVERIFY(written != nullptr);
        QCOMPARE(written->Library.Counts.Total, 2);
        QCOMPARE(written->Library.Info(2).Difficulty, std::uint8_t{3});
        QCOMPARE(written->Settings.LastPuzzleId, 2);
    }
};

QTEST_MAIN(TCreateCloseTest)
#include "create_close_test.moc"
