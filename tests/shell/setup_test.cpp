// Tests of the setup screen: the size and font rules, their messages, and the minimum window size
// held while the user drags the border.
#include <QGuiApplication>
#include <QTest>

#include "shell/main_state.h"
#include "shell/main_window.h"
#include "shell/setup.h"
#include "shell/setup_state.h"
#include "shell/shell_test_support.h"

using namespace xs;
using xs::test::TScriptedMessages;

Q_DECLARE_METATYPE(xs::TFontClass)

namespace {

// A main window that only keeps numbers; it stays within the screen as the real one does.
class TFakeHost : public TSetupHost {
public:
    TScreenMetrics Screen = xs::test::Screen(1280, 1024, 994);
    TWindowRect Window{100, 50, 1000, 720};
    int FontApplied = 0;

    TScreenMetrics ScreenMetrics() const override { return Screen; }
    TWindowRect MainWindowGeometry() const override { return Window; }
    TSize ResizeMainWindow(TSize size) override {
        Window.Width = std::min(size.Width, Screen.Width);
        Window.Height = std::min(size.Height, Screen.UsableHeight);
        return {Window.Width, Window.Height};
    }
    void MoveMainWindow(int left, int top) override {
        Window.Left = left;
        Window.Top = top;
    }
    void ShowToolBar() override {}
    void ApplyFontSize() override { ++FontApplied; }
    void LayoutMainWindow() override {}
};

// Answers as scripted, noting what the setup screen shows at that moment: the screen buttons and
// the font buttons as 1 checked, 0 not, and + or - for PanelChangeIt shown or hidden.
class TWatchedMessages : public TScriptedMessages {
public:
    TfrmSetup* Setup = nullptr;
    QStringList Seen;

    int ShowMsg(const std::string& text, TButtons buttons) override {
        Note();
        return TScriptedMessages::ShowMsg(text, buttons);
    }
    int ShowOptions(const std::string& text, int count, const TOptionTexts& options, bool print,
                    bool cancel) override {
        Note();
        return TScriptedMessages::ShowOptions(text, count, options, print, cancel);
    }

private:
    void Note() {
        QString s;
        for (const QRadioButton* b : {Setup->rbScreen800, Setup->rbScreen1000, Setup->rbScreen1260})
            s += b->isChecked() ? '1' : '0';
        s += ' ';
        for (const QRadioButton* b : {Setup->rbFont1, Setup->rbFont2, Setup->rbFont3})
            s += b->isChecked() ? '1' : '0';
        s += Setup->PanelChangeIt->isVisible() ? " +" : " -";
        Seen << s;
    }
};

struct TSetupFixture {
    TSettings Settings{};
    TScriptedMessages Messages;
    TFakeHost Host;
    TSetupState State{Settings, Messages, Host};

    TSetupFixture(TFontClass fontClass, TSize window, int fontSize) {
        Host.Screen.FontClass = fontClass;
        Host.Window.Width = window.Width;
        Host.Window.Height = window.Height;
        Settings.FontSize = fontSize;
        State.Show();
    }
};

}  // namespace

class TSetupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }
    void init() { xs::test::ResetAppData(); }

    void MinimumWindowSizeFollowsClassAndFontSize_data() {
        QTest::addColumn<TFontClass>("fontClass");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("regular 1") << TFontClass::Regular << 1 << QSize(0, 0);
        QTest::newRow("regular 2") << TFontClass::Regular << 2 << QSize(0, 0);
        QTest::newRow("regular 3") << TFontClass::Regular << 3 << QSize(1000, 720);
        QTest::newRow("large 1") << TFontClass::Large << 1 << QSize(0, 0);
        QTest::newRow("large 2") << TFontClass::Large << 2 << QSize(1000, 720);
        QTest::newRow("large 3") << TFontClass::Large << 3 << QSize(1260, 960);
        QTest::newRow("extra large 1") << TFontClass::ExtraLarge << 1 << QSize(1000, 720);
        QTest::newRow("extra large 2") << TFontClass::ExtraLarge << 2 << QSize(1260, 960);
        QTest::newRow("extra large 3") << TFontClass::ExtraLarge << 3 << QSize(0, 0);
        QTest::newRow("unknown") << TFontClass::Large << 7 << QSize(0, 0);
    }
    void MinimumWindowSizeFollowsClassAndFontSize() {
        QFETCH(TFontClass, fontClass);
        QFETCH(int, fontSize);
        QFETCH(QSize, minimum);
        const TSize m = MinimumWindowSize(fontClass, fontSize);
        QCOMPARE(QSize(m.Width, m.Height), minimum);
    }

    // The programmatic path, taken by the screen-size buttons: a refusal is reported.
    void ResizeBelowTheMinimumIsRefused_data() {
        QTest::addColumn<QSize>("current");
        QTest::addColumn<QSize>("requested");
        QTest::addColumn<QSize>("taken");
        QTest::addColumn<bool>("widthRefused");
        QTest::addColumn<bool>("heightRefused");
        // Minimum 1000 x 720 (large class, nominal font).
        QTest::newRow("1000 to 990")
            << QSize(1000, 800) << QSize(990, 800) << QSize(1000, 800) << true << false;
        QTest::newRow("height 720 to 700")
            << QSize(1100, 720) << QSize(1100, 700) << QSize(1100, 720) << false << true;
        QTest::newRow("both") << QSize(1100, 800) << QSize(900, 600) << QSize(1000, 720) << true
                              << true;
        QTest::newRow("above the minimum")
            << QSize(1100, 800) << QSize(1000, 720) << QSize(1000, 720) << false << false;
        QTest::newRow("already narrower may shrink")
            << QSize(900, 800) << QSize(850, 800) << QSize(850, 800) << false << false;
        QTest::newRow("already lower may shrink")
            << QSize(1100, 700) << QSize(1100, 650) << QSize(1100, 650) << false << false;
    }
    void ResizeBelowTheMinimumIsRefused() {
        QFETCH(QSize, current);
        QFETCH(QSize, requested);
        QFETCH(QSize, taken);
        QFETCH(bool, widthRefused);
        QFETCH(bool, heightRefused);
        const TResizeCheck check =
            CheckResize({current.width(), current.height()},
                        {requested.width(), requested.height()}, {1000, 720});
        QCOMPARE(QSize(check.Size.Width, check.Size.Height), taken);
        QCOMPARE(check.WidthRefused, widthRefused);
        QCOMPARE(check.HeightRefused, heightRefused);
    }

    // A drag goes through the window system, which holds the window's minimum size; nothing is
    // said. Large class, nominal font: the minimum is 1000 x 720 once the window has reached it.
    void DraggingStopsAtTheMinimum_data() {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("dragged");
        QTest::addColumn<QSize>("taken");
        QTest::newRow("one narrower") << QSize(1000, 800) << QSize(999, 800) << QSize(1000, 800);
        QTest::newRow("one lower") << QSize(1100, 720) << QSize(1100, 719) << QSize(1100, 720);
        QTest::newRow("both") << QSize(1100, 800) << QSize(900, 600) << QSize(1000, 720);
        QTest::newRow("to the minimum") << QSize(1100, 800) << QSize(1000, 720) << QSize(1000, 720);
        QTest::newRow("stored lower may shrink")
            << QSize(1100, 700) << QSize(1100, 650) << QSize(1100, 650);
    }
    void DraggingStopsAtTheMinimum() {
        QFETCH(QSize, stored);
        QFETCH(QSize, dragged);
        QFETCH(QSize, taken);
        QTemporaryDir dir;
        const TDataFilePaths paths = xs::test::PathsIn(dir);
        xs::test::WriteValidFile(paths, {0, 0, stored.width(), stored.height()}, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(paths, messages,
                                        xs::test::Screen(1280, 1024, 994, TFontClass::Large));
        QVERIFY(main);
        main->resize(dragged);
        QTRY_COMPARE(main->size(), taken);
        QVERIFY(messages.Shown.empty());
    }

    // While a message is up, each group shows the one choice it is about, and the panel is hidden
    // while a font change is pending.
    void MessagesSeeTheButtonsAlreadyChanged_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("seen");  // screen buttons, font buttons, panel shown
        QTest::newRow("bigger font refused") << QSize(1280, 1024) << QSize(1000, 720) << "rbFont3"
                                             << "010 001 -";
        QTest::newRow("screen size that needs a smaller font")
            << QSize(1280, 1024) << QSize(1000, 720) << "rbScreen800"
            << "100 010 +";
        QTest::newRow("screen size cut back to the screen")
            << QSize(1280, 740) << QSize(800, 600) << "rbScreen1000"
            << "000 010 +";
    }
    void MessagesSeeTheButtonsAlreadyChanged() {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QString, clicked);
        QFETCH(QString, seen);
        TSettings settings{};
        settings.FontSize = 2;
        TFakeHost host;
        host.Screen = xs::test::Screen(screen.width(), screen.height(), screen.height() - 30,
                                       TFontClass::Large);
        host.Window = {0, 0, window.width(), window.height()};
        TWatchedMessages messages;
        const TProgramFonts fonts;
        TfrmSetup setup(settings, messages, host, fonts, 20);
        messages.Setup = &setup;
        setup.resize(792, 513);
        setup.show();
        setup.findChild<QRadioButton*>(clicked)->click();
        QCOMPARE(messages.Seen, QStringList{seen});
    }

    void ShowReflectsPreferencesAndScreen() {
        TSetupFixture regular(TFontClass::Regular, {1000, 720}, 2);
        QCOMPARE(regular.State.FontButton(), 2);
        QCOMPARE(regular.State.ScreenButton(), TScreenButton::Size1000);
        for (auto b : {TScreenButton::Size800, TScreenButton::Size1000, TScreenButton::Size1260})
            QVERIFY(regular.State.ScreenButtonEnabled(b));
        QVERIFY(regular.State.FontButtonEnabled(3));
        QVERIFY(regular.Messages.Shown.empty());

        TSetupFixture extraLarge(TFontClass::ExtraLarge, {1100, 800}, 1);
        QCOMPARE(extraLarge.State.ScreenButton(), TScreenButton::None);
        QVERIFY(!extraLarge.State.ScreenButtonEnabled(TScreenButton::Size800));
        QVERIFY(!extraLarge.State.FontButtonEnabled(3));

        // 1260 x 960 cannot be chosen on a screen 1024 wide.
        TSetupFixture narrow(TFontClass::Regular, {800, 600}, 2);
        narrow.Host.Screen = xs::test::Screen(1024, 768, 738);
        narrow.State.Show();
        QVERIFY(!narrow.State.ScreenButtonEnabled(TScreenButton::Size1260));
        QVERIFY(narrow.State.ScreenButtonEnabled(TScreenButton::Size1000));
        narrow.State.ScreenButtonClick(TScreenButton::Size1260);
        QCOMPARE(narrow.Host.Window.Width, 800);
    }

    void FontButtonChecks_data() {
        QTest::addColumn<TFontClass>("fontClass");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("fontSizeAfter");
        const auto T = [](const char* s) { return QString::fromUtf8(s); };
        QTest::newRow("regular, bigger at 800x600")
            << TFontClass::Regular << QSize(800, 600) << 2 << 3 << T(kBiggerNeeds1000Text) << 2;
        QTest::newRow("regular, bigger at 1000x720")
            << TFontClass::Regular << QSize(1000, 720) << 2 << 3 << QString() << 3;
        QTest::newRow("regular, smaller")
            << TFontClass::Regular << QSize(800, 600) << 2 << 1 << QString() << 1;
        QTest::newRow("large, bigger at 1000x720")
            << TFontClass::Large << QSize(1000, 720) << 2 << 3 << T(kBiggerNeeds1260Text) << 2;
        QTest::newRow("large, bigger from smaller at 1260x900")
            << TFontClass::Large << QSize(1260, 900) << 1 << 3 << T(kBiggerNeeds1260Text) << 1;
        QTest::newRow("large, bigger at 1260x960")
            << TFontClass::Large << QSize(1260, 960) << 1 << 3 << QString() << 3;
        QTest::newRow("large, nominal at 800x600")
            << TFontClass::Large << QSize(800, 600) << 1 << 2 << T(kNominalNeeds1000Text) << 1;
        QTest::newRow("extra large, nominal at 1000x720")
            << TFontClass::ExtraLarge << QSize(1000, 720) << 1 << 2 << T(kNominalNeeds1260Text)
            << 1;
        QTest::newRow("extra large, nominal at 1260x960")
            << TFontClass::ExtraLarge << QSize(1260, 960) << 1 << 2 << QString() << 2;
    }
    void FontButtonChecks() {
        QFETCH(TFontClass, fontClass);
        QFETCH(QSize, window);
        QFETCH(int, fontSize);
        QFETCH(int, clicked);
        QFETCH(QString, message);
        QFETCH(int, fontSizeAfter);
        TSetupFixture f(fontClass, {window.width(), window.height()}, fontSize);
        f.State.FontButtonClick(clicked);
        if (message.isEmpty()) {
            QVERIFY(f.Messages.Shown.empty());
        } else {
            QCOMPARE(f.Messages.Shown.size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(f.Messages.Shown[0]), message);
        }
        QCOMPARE(f.Settings.FontSize, fontSizeAfter);
        QCOMPARE(f.State.FontButton(), fontSizeAfter);
        QVERIFY(f.State.PanelChangeItVisible());
        if (fontSizeAfter != fontSize) QVERIFY(f.Host.FontApplied > 0);
    }

    void ScreenButtonConflicts_data() {
        QTest::addColumn<TFontClass>("fontClass");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("fontSizeAfter");
        QTest::addColumn<QSize>("windowAfter");
        const auto T = [](const char* s) { return QString::fromUtf8(s); };
        const int take = OptionResult(0);
        const int cancel = kResultCancel;
        QTest::newRow("large nominal to 800, take small fonts")
            << TFontClass::Large << 2 << QSize(1000, 720) << 0 << take << T(kNominalConflictText)
            << 1 << QSize(800, 600);
        QTest::newRow("large nominal to 800, cancel")
            << TFontClass::Large << 2 << QSize(1000, 720) << 0 << cancel << T(kNominalConflictText)
            << 2 << QSize(1000, 720);
        QTest::newRow("large bigger to 1000, take nominal")
            << TFontClass::Large << 3 << QSize(1260, 960) << 1 << take << T(kBiggerConflictText)
            << 2 << QSize(1000, 720);
        QTest::newRow("large bigger to 1000, second option")
            << TFontClass::Large << 3 << QSize(1260, 960) << 1 << OptionResult(1)
            << T(kBiggerConflictText) << 3 << QSize(1260, 960);
        QTest::newRow("regular bigger to 800, take nominal")
            << TFontClass::Regular << 3 << QSize(1000, 720) << 0 << take << T(kBiggerConflictText)
            << 2 << QSize(800, 600);
        QTest::newRow("regular bigger to 1260, no conflict")
            << TFontClass::Regular << 3 << QSize(1000, 720) << 2 << take << QString() << 3
            << QSize(1260, 960);
        QTest::newRow("extra large nominal to 1000, take small fonts")
            << TFontClass::ExtraLarge << 2 << QSize(1260, 960) << 1 << take
            << T(kNominalConflictText) << 1 << QSize(1000, 720);
        QTest::newRow("regular nominal to 800, no conflict")
            << TFontClass::Regular << 2 << QSize(1000, 720) << 0 << take << QString() << 2
            << QSize(800, 600);
    }
    void ScreenButtonConflicts() {
        QFETCH(TFontClass, fontClass);
        QFETCH(int, fontSize);
        QFETCH(QSize, window);
        QFETCH(int, clicked);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(int, fontSizeAfter);
        QFETCH(QSize, windowAfter);
        TSetupFixture f(fontClass, {window.width(), window.height()}, fontSize);
        f.Settings.WindowWidth = window.width();
        f.Settings.WindowHeight = window.height();
        f.Messages.Answers = {answer};
        f.State.ScreenButtonClick(static_cast<TScreenButton>(clicked));

        if (question.isEmpty()) {
            QVERIFY(f.Messages.Shown.empty());
        } else {
            QCOMPARE(f.Messages.Shown.size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(f.Messages.Shown[0]), question);
        }
        QCOMPARE(f.Settings.FontSize, fontSizeAfter);
        QCOMPARE(f.State.FontButton(), fontSizeAfter);
        QCOMPARE(QSize(f.Host.Window.Width, f.Host.Window.Height), windowAfter);
        QCOMPARE(QSize(f.Settings.WindowWidth, f.Settings.WindowHeight), windowAfter);
        QCOMPARE(f.State.ScreenButton(),
                 TSetupState::ButtonForSize({windowAfter.width(), windowAfter.height()}));
    }

    void SizeBeyondTheScreenIsCutBackAndReported() {
        TSetupFixture f(TFontClass::Regular, {1000, 720}, 2);
        f.Host.Screen = xs::test::Screen(1280, 1024, 900);
        f.Host.Window.Left = 10;
        f.Host.Window.Top = 20;
        f.State.ScreenButtonClick(TScreenButton::Size1260);
        QCOMPARE(f.Messages.Shown.size(), std::size_t{1});
        QCOMPARE(f.Messages.Shown[0], std::string(kSizeTooBigText));
        QCOMPARE(f.Settings.WindowWidth, 1260);
        QCOMPARE(f.Settings.WindowHeight, 900);
        QCOMPARE(f.State.ScreenButton(), TScreenButton::None);
    }

    void NewSizeIsBroughtBackOnScreen() {
        TSetupFixture f(TFontClass::Regular, {800, 600}, 2);
        f.Host.Window.Left = 600;
        f.Host.Window.Top = 400;
        f.State.ScreenButtonClick(TScreenButton::Size1000);
        QCOMPARE(f.Host.Window.Left, (1280 - 1000) / 2);
        QCOMPARE(f.Host.Window.Top, (1024 - 720) / 2);
        QCOMPARE(f.Settings.WindowLeft, (1280 - 1000) / 2);
        QCOMPARE(f.Settings.WindowTop, (1024 - 720) / 2);

        // A window that still fits keeps its place.
        f.Host.Window.Left = 5;
        f.Host.Window.Top = 6;
        f.State.ScreenButtonClick(TScreenButton::Size800);
        QCOMPARE(f.Settings.WindowLeft, 5);
        QCOMPARE(f.Settings.WindowTop, 6);
    }

    void MainWindowHoldsTheMinimumWhileDragged() {
        QTemporaryDir dir;
        const TDataFilePaths paths = xs::test::PathsIn(dir);
        // Large class, nominal font: the minimum is 1000 x 720, but the stored window is lower.
        xs::test::WriteValidFile(paths, {0, 0, 1100, 700}, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(paths, messages,
                                        xs::test::Screen(1280, 1024, 994, TFontClass::Large));
        QVERIFY(main);
        QCOMPARE(main->size(), QSize(1100, 700));
        QCOMPARE(main->minimumSize(), QSize(1000, 0));

        main->resize(1200, 800);
        QTRY_COMPARE(main->minimumSize(), QSize(1000, 720));

        // A programmatic resize below the minimum is refused with the messages.
        const TSize taken = main->ResizeMainWindow({990, 700});
        QCOMPARE(QSize(taken.Width, taken.Height), QSize(1000, 720));
        QCOMPARE(messages.Shown.size(), std::size_t{2});
        QCOMPARE(messages.Shown[0], std::string(kMinimumWidthText));
        QCOMPARE(messages.Shown[1], std::string(kMinimumHeightText));
    }

    void SetupScreenChangesTheMainWindow() {
        QTemporaryDir dir;
        const TDataFilePaths paths = xs::test::PathsIn(dir);
        xs::test::WriteValidFile(paths, {0, 0, 1000, 720}, 2);
        TScriptedMessages messages;
        auto main = xs::test::StartMain(paths, messages,
                                        xs::test::Screen(1280, 1024, 994, TFontClass::Large));
        QVERIFY(main);
        QTest::mouseClick(main->bnSetup, Qt::LeftButton);
        TfrmSetup* setup = main->frmSetup;
        QVERIFY(setup->isVisible());
        QVERIFY(setup->rbFont2->isChecked());
        QVERIFY(setup->rbScreen1000->isChecked());
        QCOMPARE(main->minimumSize(), QSize(1000, 720));

        messages.Answers = {OptionResult(0)};
        QTest::mouseClick(setup->rbScreen800, Qt::LeftButton, {},
                          setup->rbScreen800->rect().center());
        QCOMPARE(messages.Shown.size(), std::size_t{1});
        QCOMPARE(messages.Shown[0], std::string(kNominalConflictText));
        QTRY_COMPARE(main->size(), QSize(800, 600));
        QVERIFY(setup->rbFont1->isChecked());
        QVERIFY(!setup->rbFont2->isChecked());
        QVERIFY(setup->rbScreen800->isChecked());
        QVERIFY(!setup->rbScreen1000->isChecked());
        QCOMPARE(AppData().File.Settings.FontSize, 1);
        QCOMPARE(main->Fonts().General.Points, 8);
        QCOMPARE(main->minimumSize(), QSize(0, 0));
        QCOMPARE(setup->geometry().size(),
                 QSize(main->ScreenArea().Width, main->ScreenArea().Height));

        // Dragging the border to another size leaves no standard size selected.
        main->resize(900, 650);
        QTRY_VERIFY(!setup->rbScreen800->isChecked());
        QVERIFY(!setup->rbScreen1000->isChecked());
        QVERIFY(!setup->rbScreen1260->isChecked());
    }
};

QTEST_MAIN(TSetupTest)
#include "setup_test.moc"
