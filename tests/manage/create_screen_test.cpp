// The create screen as a player uses it, on Qt's offscreen platform: making puzzles, selecting
// and deleting them, and what the window takes while a batch runs.
#include <QApplication>
#include <QTest>
#include <memory>

#include "manage/create_screen.h"
#include "manage/create_state.h"
#include "solve/chooser.h"
#include "storage/settings.h"
#include "support/scripted_messages.h"

using namespace xs;
using xs::test::TScriptedMessages;

namespace {

void ResetAppData() {
    const auto blank = std::make_unique<TAppData>();
    AppData() = *blank;
}

// The middle of a slot's cell in the list.
QPoint CellCentre(const TfrmCreate& screen, int slot) {
    const int colWidth = (screen.sgPuzzles->width() - 6) / 5;
    const int rowHeight = (screen.sgPuzzles->height() - 21) / 20;
    const TRect cell = ListCellRect(slot, colWidth, rowHeight);
    return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
}

// Asks for `count` Mini puzzles of the level with the spin button.
void Request(TfrmCreate& screen, int level, int count) {
    QTest::mouseClick(screen.rbMini, Qt::LeftButton);
    for (int i = 0; i < count; ++i)
        QTest::mouseClick(screen.spnCreate[level - 1]->Up, Qt::LeftButton);
}

}  // namespace

class TCreateScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { ResetAppData(); }

    void MakeTwoMiniPuzzlesThenDeleteOne() {
        TScriptedMessages messages;
        TProgramFonts fonts;
        TfrmCreate screen(fonts, messages, 20);
        screen.resize(1000, 660);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QVERIFY(!screen.bnCreate->isEnabled());

        Request(screen, 2, 2);
        QCOMPARE(screen.PanelCreateCounts[0]->text(), QStringLiteral("2"));
        QVERIFY(screen.bnCreate->isEnabled());
        QTest::mouseClick(screen.bnCreate, Qt::LeftButton);

        const TPuzzleLibrary& lib = AppData().File.Library;
        QCOMPARE(lib.Counts.Total, 2);
        QCOMPARE(lib.Info(2).Size, static_cast<std::uint8_t>(TPuzzleSize::Mini));
        QCOMPARE(screen.PanelExistCounts[0]->text(), QStringLiteral("2"));
        QCOMPARE(screen.PanelExistCounts[2]->text(), QStringLiteral("2"));
        QCOMPARE(screen.PanelCreateCounts[0]->text(), QStringLiteral("0"));
        QVERIFY(!screen.bnCreate->isEnabled());
        QVERIFY(!screen.PanelProcessing->isVisible());
        QVERIFY(!screen.bnDelete->isEnabled());

        QTest::mouseClick(screen.sgPuzzles, Qt::LeftButton, {}, CellCentre(screen, 1));
        QVERIFY(screen.bnDelete->isEnabled());
        QVERIFY(screen.bnPrintOptions->isEnabled());
        messages.Answers = {kResultOk};
        QTest::mouseClick(screen.bnDelete, Qt::LeftButton);
        QCOMPARE(messages.Shown.size(), std::size_t{1});
        QCOMPARE(lib.Counts.Total, 1);
        QCOMPARE(lib.Info(1).Id, 2);
        QCOMPARE(screen.PanelExistCounts[0]->text(), QStringLiteral("1"));
        QVERIFY(!screen.bnDelete->isEnabled());
    }

    void OnlyTheStopButtonActsDuringABatch() {
        TScriptedMessages messages;
        TProgramFonts fonts;
        TfrmCreate screen(fonts, messages, 20);
        screen.resize(1000, 660);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        Request(screen, 5, 3);

        bool clicked = false;
        bool processingShown = false;
        screen.BeforePoll = [&] {
            if (clicked) return;
            clicked = true;
            processingShown = screen.PanelProcessing->isVisible();
            QTest::mouseClick(screen.bnSelectT, Qt::LeftButton);
            QTest::mouseClick(screen.spnCreate[0]->Up, Qt::LeftButton);
            messages.Answers = {kResultOk};
            QTest::mouseClick(screen.bnStop, Qt::LeftButton);
        };
        QTest::mouseClick(screen.bnCreate, Qt::LeftButton);

        QVERIFY(processingShown);
        QCOMPARE(messages.Shown, std::vector<std::string>{kStopQuestionText});
        QCOMPARE(AppData().File.Library.Counts.Total, 0);
        QCOMPARE(screen.State().SelectedCount(), 0);
        QCOMPARE(screen.State().CreateCounts()[1], 0);
        QVERIFY(!screen.PanelProcessing->isVisible());
        QVERIFY(!screen.Creating());
    }

    void ClosingDuringABatchStopsItBeforeTheWindowCloses() {
        TScriptedMessages messages;
        TProgramFonts fonts;
        TfrmCreate screen(fonts, messages, 20);
        screen.resize(1000, 660);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        Request(screen, 1, 3);

        bool stillShown = false;
        screen.BeforePoll = [&] {
            if (AppData().File.Library.Counts.Total != 1 || !screen.isVisible()) return;
            screen.close();
            stillShown = screen.isVisible();
        };
        QTest::mouseClick(screen.bnCreate, Qt::LeftButton);

        QVERIFY(stillShown);
        QVERIFY(!screen.isVisible());
        QVERIFY(messages.Shown.empty());
        QCOMPARE(AppData().File.Library.Counts.Total, 1);
        QCOMPARE(AppData().File.Library.Info(1).Id, 1);
    }
};

QTEST_MAIN(TCreateScreenTest)
#include "create_screen_test.moc"
