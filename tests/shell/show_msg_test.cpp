// The message dialog: its sizes from the text width, its buttons and keys, its results.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "shell/show_msg.h"

namespace xs {

namespace {

// One pixel per character keeps the widths in the cases below exact.
TMsgMetrics CharMetrics() {
    TMsgMetrics m;
    m.TextWidth = [](std::string_view line) { return static_cast<int>(line.size()); };
    m.LineHeight = 13;
    m.TestWidth = 420;
    m.OkWidth = 75;
    m.CancelWidth = 75;
    m.ButtonHeight = 25;
    return m;
}

const TBounds kMain{100, 50, 1000, 720};

// Runs `step` once the dialog is up (its event loop is running), then returns the result.
template <typename Show, typename Step>
int WhileShown(TfrmShowMsg& dialog, Show show, Step step) {
    QTimer::singleShot(0, &dialog, [&] {
        step();
        // Leave a dialog that stayed open, so a failing test cannot hang.
        if (dialog.isVisible()) QTimer::singleShot(0, &dialog, [&] { dialog.done(-1); });
    });
    return show();
}

}  // namespace

class ShowMsgTest : public QObject {
    Q_OBJECT

private slots:
    void PanelWidthFollowsTextWidth_data() {
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<int>("panelWidth");
        QTest::addColumn<int>("messageWidth");
        QTest::addColumn<bool>("wrapped");
        QTest::newRow("short message") << 12 << 400 << 12 << false;
        QTest::newRow("just at the minimum") << 360 << 400 << 360 << false;
        QTest::newRow("wider than the minimum") << 361 << 401 << 361 << false;
        QTest::newRow("560 pixels, one line") << 560 << 600 << 560 << false;
        QTest::newRow("561 pixels, wrapped") << 561 << 650 << 610 << true;
        QTest::newRow("very long") << 3000 << 650 << 610 << true;
    }
    void PanelWidthFollowsTextWidth() {
        QFETCH(int, textWidth);
        QFETCH(int, panelWidth);
        QFETCH(int, messageWidth);
        QFETCH(bool, wrapped);
        const std::string text(static_cast<std::size_t>(textWidth), 'x');
        const TMsgLayout l = LayoutShowMsg(text, false, CharMetrics(), kMain);
        QCOMPARE(l.Panel.Width, panelWidth);
        QCOMPARE(l.Message.Width, messageWidth);
        QCOMPARE(l.MessageWrapped, wrapped);
        QCOMPARE(l.Form.Width, panelWidth + 10);
        QCOMPARE(l.Message.Left, (panelWidth - messageWidth) / 2);  // centred
        QCOMPARE(l.Panel.Left, 5);
        QCOMPARE(l.Panel.Top, 5);
        QVERIFY(!l.OptionsShown && !l.PrintShown);
    }

    void WrappedMessageTakesTheHeightOfItsLines() {
        TMsgMetrics m = CharMetrics();
        m.WrappedHeight = [](std::string_view, int width) { return width == 610 ? 3 * 13 : -1; };
        const TMsgLayout l = LayoutShowMsg(std::string(1200, 'x'), false, m, kMain);
        QCOMPARE(l.Message.Height, 39);
        // Without a measured height each line wraps into as many lines as its width needs.
        const TMsgLayout guess = LayoutShowMsg(std::string(1221, 'x'), false, CharMetrics(), kMain);
        QCOMPARE(guess.Message.Height, 3 * 13);
    }

    void LineBreaksStackLinesAndWidestLineCounts() {
        const TMsgLayout l = LayoutShowMsg("Your computer\n\rextra large fonts line\n\r", false,
                                           CharMetrics(), kMain);
        QCOMPARE(l.Message.Width, 22);
        QCOMPARE(l.Message.Height, 3 * 13);  // the trailing break starts an empty line
    }

    void ButtonsStackUnderTheMessageAndFormIsCentred() {
        const TMsgLayout l = LayoutShowMsg("Delete?", true, CharMetrics(), kMain);
        // Cancel left of O.K., both spread evenly over the panel.
        const int gap = (400 - 75 - 75) / 3;
        QVERIFY(l.CancelShown);
        QCOMPARE(l.Cancel.Left, gap);
        QCOMPARE(l.Ok.Left, 2 * gap + 75);
        QCOMPARE(l.Ok.Top, l.Message.Bottom() + 20);
        QCOMPARE(l.Cancel.Top, l.Ok.Top);
        QCOMPARE(l.Panel.Height, l.Ok.Bottom() + 8);
        QCOMPARE(l.Form.Height, l.Panel.Height + 10);
        QCOMPARE(l.Form.Left, 100 + (1000 - 410) / 2);
        QCOMPARE(l.Form.Top, 50 + (720 - l.Form.Height) / 2);

        const TMsgLayout alone = LayoutShowMsg("Done.", false, CharMetrics(), kMain);
        QVERIFY(!alone.CancelShown);
        QCOMPARE(alone.Ok.Left, (400 - 75) / 2);
    }

    void OptionListHeightByCount_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("height");
        QTest::newRow("1") << 1 << 110;
        QTest::newRow("2") << 2 << 150;
        QTest::newRow("3") << 3 << 170;
        QTest::newRow("4") << 4 << 200;
        QTest::newRow("5") << 5 << 230;
        QTest::newRow("below range") << 0 << 110;
        QTest::newRow("above range") << 9 << 230;
    }
    void OptionListHeightByCount() {
        QFETCH(int, count);
        QFETCH(int, height);
        QCOMPARE(OptionListHeight(count), height);
    }

    void OptionsStackTenPixelsApart() {
        const TMsgLayout l = LayoutShowOptions("Save?", 2, true, false, CharMetrics(), kMain);
        QCOMPARE(l.Panel.Width, 420 + 40);
        QCOMPARE(l.Message.Left, 20);
        QCOMPARE(l.Message.Width, 420);
        QCOMPARE(l.Options, (TBounds{20, l.Message.Bottom() + 10, 420, 150}));
        QVERIFY(l.PrintShown);
        QCOMPARE(l.Print, (TBounds{20, l.Options.Bottom() + 10, 420, 13 + 10}));
        QCOMPARE(l.NoOption.Top, l.Print.Bottom() + 10);
        QCOMPARE(l.Ok.Top, l.NoOption.Bottom() + 10);
        QCOMPARE(l.Ok.Left, 460 - 10 - 75);  // right-aligned without Cancel
        QCOMPARE(l.Panel.Height, l.Ok.Bottom() + 8);
        // Items lie inside the list, one under the other.
        QVERIFY(l.OptionItems[0].Top > 0);
        QVERIFY(l.OptionItems[1].Top >= l.OptionItems[0].Bottom());
        QVERIFY(l.OptionItems[1].Bottom() <= l.Options.Height);

        const TMsgLayout noPrint = LayoutShowOptions("", 3, false, true, CharMetrics(), kMain);
        QVERIFY(!noPrint.PrintShown);
        QCOMPARE(noPrint.NoOption.Top, noPrint.Options.Bottom() + 10);
        QCOMPARE(noPrint.Cancel.Left, (460 - 150) / 3);
    }

    void LineBreaksNormalize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program's break") << "a\n\rb"
                                         << "a\nb";
        QTest::newRow("two breaks") << "a\n\r\n\rb"
                                    << "a\n\nb";
        QTest::newRow("other order") << "a\r\nb"
                                     << "a\nb";
        QTest::newRow("lone return") << "a\rb"
                                     << "a\nb";
        QTest::newRow("lone newline") << "a\nb"
                                      << "a\nb";
        QTest::newRow("none") << "abc"
                              << "abc";
    }
    void LineBreaksNormalize() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(NormalizeLineBreaks(text.toStdString())), expected);
    }

    void OkWithoutOptionKeepsDialogOpen() {
        TShowMsgState s;
        s.StartOptions(3, false, false);
        QCOMPARE(s.PressOk(), std::nullopt);
        QVERIFY(s.NoOptionShown());
        s.ChooseOption(1);
        QVERIFY(!s.NoOptionShown());
        QCOMPARE(s.PressOk(), std::optional<int>(20));
    }

    void EscapeOnlyWhileCancelIsShown() {
        TShowMsgState s;
        s.StartOptions(2, false, false);
        QCOMPARE(s.PressEscape(), std::nullopt);
        s.StartOptions(2, false, true);
        QCOMPARE(s.PressEscape(), std::optional<int>(kResultCancel));
        s.StartMessage(false);
        QCOMPARE(s.PressEscape(), std::nullopt);
        QCOMPARE(s.PressOk(), std::optional<int>(kResultOk));
    }

    void PrintStateFollowsTheLastChosenOption() {
        TShowMsgState s;
        s.StartOptions(3, true, true);
        s.SetPrintChecked(true);
        s.ChooseOption(0);
        QCOMPARE(s.PressOk(), std::optional<int>(10));
        QVERIFY(s.PrintCurrentState());

        // Cancel changes nothing, even after "O.K." was pressed with no option chosen.
        s.StartOptions(3, true, true);
        s.SetPrintChecked(false);
        QCOMPARE(s.PressOk(), std::nullopt);
        QCOMPARE(s.PressCancel(), std::optional<int>(kResultCancel));
        QVERIFY(s.PrintCurrentState());

        // Without the check box the flag is cleared by any chosen option.
        s.StartOptions(2, false, false);
        s.SetPrintChecked(true);  // a stale tick from an earlier dialog
        s.ChooseOption(1);
        QCOMPARE(s.PressOk(), std::optional<int>(20));
        QVERIFY(!s.PrintCurrentState());
    }

    void ChoosingOutOfRangeSelectsNothing() {
        TShowMsgState s;
        s.StartOptions(2, false, false);
        s.ChooseOption(2);
        s.ChooseOption(-1);
        QCOMPARE(s.Selected(), -1);
    }

    // The widget itself.

    void OkClosesMessageWithOne() {
        TfrmShowMsg dialog;
        dialog.SetMainGeometry(QRect(0, 0, 1000, 720));
        const int result = WhileShown(
            dialog, [&] { return dialog.ShowMsg("Puzzle saved.", TButtons::OkOnly); },
            [&] {
                QVERIFY(!dialog.bnCancel->isVisible());
                QVERIFY(!dialog.rgMessages->isVisible());
                QTest::mouseClick(dialog.bnOK, Qt::LeftButton);
            });
        QCOMPARE(result, kResultOk);
        QCOMPARE(dialog.Layout().Panel.Width, 400);
        QCOMPARE(dialog.width(), 410);
        QCOMPARE(dialog.PanelMsg->geometry(), QRect(5, 5, 400, dialog.Layout().Panel.Height));
        QCOMPARE(dialog.lblMessage->text(), QStringLiteral("Puzzle saved."));
    }

    void EscapeCancelsWhenCancelIsShown() {
        TfrmShowMsg dialog;
        const int result = WhileShown(
            dialog,
            [&] { return dialog.ShowMsg("Erase all?\n\rPress 'Cancel'.", TButtons::OkCancel); },
            [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(result, kResultCancel);
        QCOMPARE(dialog.lblMessage->text(), QStringLiteral("Erase all?\nPress 'Cancel'."));
    }

    void OptionsNeedAChoiceAndIgnoreEscapeWithoutCancel() {
        TfrmShowMsg dialog;
        const TOptionTexts options{"Save this puzzle with your latest changes",
                                   "Cancel the changes"};
        bool stayedOpen = false;
        bool warned = false;
        bool warningHidden = false;
        const int result = WhileShown(
            dialog,
            [&] {
                return dialog.ShowOptions("You have made changes since your last save.", 2, options,
                                          false, false);
            },
            [&] {
                QVERIFY(!dialog.rgItems[0]->isChecked() && !dialog.rgItems[1]->isChecked());
                QVERIFY(!dialog.rgItems[2]->isVisible());
                QTest::keyClick(&dialog, Qt::Key_Escape);
                QTest::mouseClick(dialog.bnOK, Qt::LeftButton);
                stayedOpen = dialog.isVisible();
                warned = dialog.lblNoOptionSelected->isVisible();
                dialog.rgItems[1]->click();
                warningHidden = !dialog.lblNoOptionSelected->isVisible();
                QTest::mouseClick(dialog.bnOK, Qt::LeftButton);
            });
        QVERIFY(stayedOpen);
        QVERIFY(warned);
        QVERIFY(warningHidden);
        QCOMPARE(result, OptionResult(1));
        QVERIFY(!dialog.PrintCurrentState());
    }

    void PrintBoxTickedIsReportedAfterAChosenOption() {
        TfrmShowMsg dialog;
        const TOptionTexts options{"Print puzzle", "Print answer", "Print both"};
        const int result = WhileShown(
            dialog, [&] { return dialog.ShowOptions("", 3, options, true, true); },
            [&] {
                QVERIFY(dialog.cbPrint->isVisible());
                dialog.cbPrint->setChecked(true);
                dialog.rgItems[2]->click();
                QTest::mouseClick(dialog.bnOK, Qt::LeftButton);
            });
        QCOMPARE(result, OptionResult(2));
        QVERIFY(dialog.PrintCurrentState());

        // The next dialog starts unticked and with nothing chosen.
        const int cancelled = WhileShown(
            dialog, [&] { return dialog.ShowOptions("", 3, options, true, true); },
            [&] {
                QVERIFY(!dialog.cbPrint->isChecked());
                QVERIFY(!dialog.rgItems[2]->isChecked());
                QTest::mouseClick(dialog.bnCancel, Qt::LeftButton);
            });
        QCOMPARE(cancelled, kResultCancel);
        QVERIFY(dialog.PrintCurrentState());
    }

    // With the program's fonts: the label is as high as its lines need, descenders included.
    void EveryLineOfTheMessageShowsWhole_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("smaller") << 8;
        QTest::newRow("nominal") << 10;
        QTest::newRow("bigger") << 12;
    }
    void EveryLineOfTheMessageShowsWhole() {
        QFETCH(int, points);
        TfrmShowMsg dialog;
        dialog.SetGeneralFont(TFontSpec{"MS Sans Serif", points, false});
        WhileShown(
            dialog,
            [&] {
                return dialog.ShowMsg("Jumpy line\n\r\n\rgauge, query, typify", TButtons::OkOnly);
            },
            [&] {
                QVERIFY(dialog.lblMessage->height() >= dialog.lblMessage->sizeHint().height());
                dialog.bnOK->click();
            });
    }

    void NothingIsShownBeforeTheMainWindowIsReady() {
        TfrmShowMsg dialog;
        dialog.SetMainReady(false);
        // Had the dialog been run, only this timer would end it, with -1.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(-1); });
        guard.start(2000);
        QCOMPARE(dialog.ShowMsg("Too early", TButtons::OkCancel), kResultOk);
        QVERIFY(!dialog.isVisible());
    }

    void AMessageAskedWhileOneIsUpIsNotConfirmed() {
        TfrmShowMsg dialog;
        int nested = 0;
        WhileShown(
            dialog, [&] { return dialog.ShowMsg("First", TButtons::OkOnly); },
            [&] {
                nested = dialog.ShowMsg("Delete all?", TButtons::OkCancel);
                dialog.bnOK->click();
            });
        QCOMPARE(nested, kResultCancel);
        QCOMPARE(dialog.lblMessage->text(), QStringLiteral("First"));
    }

    void DialogIsCentredOverTheMainWindow() {
        TfrmShowMsg dialog;
        dialog.SetMainGeometry(QRect(200, 100, 1000, 720));
        WhileShown(
            dialog, [&] { return dialog.ShowMsg("Centred", TButtons::OkOnly); },
            [&] {
                const QRect g = dialog.geometry();
                QCOMPARE(g.left(), 200 + (1000 - g.width()) / 2);
                QCOMPARE(g.top(), 100 + (720 - g.height()) / 2);
                dialog.bnOK->click();
            });
    }
};

}  // namespace xs

QTEST_MAIN(xs::ShowMsgTest)
#include "show_msg_test.moc"
