// The main window.
#include "shell/main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMimeData>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <QShowEvent>
#include <algorithm>
#include <utility>

#include "manage/create_screen.h"
#include "platform/fonts.h"
#include "platform/ui_text.h"
#include "progress/progress_keeper.h"
#include "progress/progress_screen.h"
#include "shell/about.h"
#include "shell/help_window.h"
#include "shell/puzzle_paste.h"
#include "shell/setup.h"
#include "solve/solve_screen.h"
#include "storage/settings.h"

namespace xs {

namespace {

constexpr int kInitialWidth = 800;
constexpr int kInitialHeight = 600;

void SetGeometry(QWidget* widget, const TBounds& r) {
    widget->setGeometry(r.Left, r.Top, r.Width, r.Height);
}

QFrame* MakeShape(QWidget* parent, const char* name, const char* colour) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; }")
                             .arg(QLatin1String(name), QLatin1String(colour)));
    return shape;
}

}  // namespace

// The font class comes from the logical dpi. Qt scales a high-resolution screen as a whole (its
// device pixel ratio) and then reports 96 dpi, so such a screen counts as regular: Qt's scaling
// takes the place of the large and extra-large classes, and scaling by the class as well would
// enlarge everything twice. A high font dpi (Xft.dpi, QT_FONT_DPI) becomes scaling as well; only
// with QT_ENABLE_HIGHDPI_SCALING=0 does it reach the classes.
TScreenMetrics ScreenMetricsOf(const QScreen& screen) {
    const QRect full = screen.geometry();
    const QRect available = screen.availableGeometry();
    return {full.width(), full.height(), available.height(),
            FontClassForDpi(qRound(screen.logicalDotsPerInch()))};
}

TfrmMain::TfrmMain(TMainWindowDeps deps, QWidget* parent)
    : QWidget(parent),
      Deps(std::move(deps)),
      State(AppData().File, Deps.Paths, *Deps.Messages,
            TSolveHooks{[this] { return frmSolve->IsPuzzleModified(); },
                        [this] { frmSolve->SavePuzzle(); }}) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Cross Sums Puzzles"));
    SetMainReady(false);

    const TScreenMetrics screen = Metrics();
    Indent = RadioIndentFor(screen.FontClass);
    resize(kInitialWidth, kInitialHeight);
    const TWindowRect centred = CentreWindow(kInitialWidth, kInitialHeight, screen);
    move(centred.Left, centred.Top);

    ScrollForm = new QScrollArea(this);
    ScrollForm->setFrameShape(QFrame::NoFrame);
    ScrollForm->setWidgetResizable(false);
    PanelForm = new QWidget;
    PanelForm->setObjectName(QStringLiteral("PanelForm"));
    ScrollForm->setWidget(PanelForm);

    PanelToolBar = new QWidget(PanelForm);
    PanelToolBar->setObjectName(QStringLiteral("PanelToolBar"));
    shpTools = MakeShape(PanelToolBar, "shpTools", "#9DCEFF");
    shpHighlight = MakeShape(PanelToolBar, "shpHighlight", "#FF0000");
    shpHighlight->setToolTip(UiText("Current Screen"));
    for (int b = 0; b < kToolButtonCount; ++b) {
        auto* button = new QPushButton(UiText(kToolButtonTexts[b].Caption), PanelToolBar);
        button->setObjectName(QLatin1String(kToolButtonTexts[b].Name));
        button->setToolTip(UiText(kToolButtonTexts[b].Hint));
        button->setFocusPolicy(Qt::NoFocus);
        const auto which = static_cast<TToolButton>(b);
        connect(button, &QPushButton::clicked, this, [this, which] { ToolButtonClick(which); });
        ToolButtons[b] = button;
    }
    bnSolve = ToolButtons[0];
    bnCreate = ToolButtons[1];
    bnSetup = ToolButtons[static_cast<int>(TToolButton::Setup)];
    bnHints = ToolButtons[static_cast<int>(TToolButton::Hints)];
    bnProgress = ToolButtons[static_cast<int>(TToolButton::Progress)];
    bnHelp = ToolButtons[static_cast<int>(TToolButton::Help)];
    bnAbout = ToolButtons[static_cast<int>(TToolButton::About)];
    bnExit = ToolButtons[static_cast<int>(TToolButton::Exit)];

    // While it is shown the tool bar cannot be used: it lies over every button.
    PanelHide = new QFrame(PanelToolBar);
    PanelHide->setObjectName(QStringLiteral("PanelHide"));
    PanelHide->setAutoFillBackground(true);
    lblHintsOverview = new QLabel(QStringLiteral("What are Cross Sums ?"), PanelHide);
    lblHintsOverview->setObjectName(QStringLiteral("lblHintsOverview"));
    lblHintsOverview->setAlignment(Qt::AlignCenter);
    PanelHide->show();
    PanelHide->raise();

    TSettings& settings = AppData().File.Settings;
    frmSolve = new TfrmSolve(ProgramFonts, *Deps.Messages, Indent, PanelForm);
    frmCreate = new TfrmCreate(ProgramFonts, *Deps.Messages, Indent, PanelForm);
    frmHints = new TfrmHints(ProgramFonts, Indent, this, PanelForm);
    frmSetup = new TfrmSetup(settings, *Deps.Messages, *this, ProgramFonts, Indent, PanelForm);
    frmAbout = new TfrmAbout(PanelForm);
    frmAbout->SetDataFilePath(Deps.Paths.DataFile);
    Progress =
        new TProgressKeeper(Deps.Paths.DataFile, AppData().File.Library, *Deps.Messages, this);
    Progress->WatchWindow(this);
    frmSolve->SetTracker(&Progress->Tracker());
    frmProgress = new TfrmProgress(*Progress, AppData().File, *Deps.Messages, PanelForm);
    frmProgress->PuzzleMade = [this](int slot) { OpenPracticePuzzle(slot); };
    for (QWidget* screenForm :
         {static_cast<QWidget*>(frmSolve), static_cast<QWidget*>(frmCreate),
          static_cast<QWidget*>(frmHints), static_cast<QWidget*>(frmSetup),
          static_cast<QWidget*>(frmAbout), static_cast<QWidget*>(frmProgress)}) {
        screenForm->hide();
    }

    TimerStart = new QTimer(this);
    TimerStart->setSingleShot(true);
    TimerStart->setInterval(1);
    connect(TimerStart, &QTimer::timeout, this, &TfrmMain::TimerStartTimer);

    // Shortcuts of the window see the keys before any screen does.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TfrmMain::OpenHelp);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &TfrmMain::F2Pressed);
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, &TfrmMain::PastePuzzle);
    setAcceptDrops(true);

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &TfrmMain::CommitData,
                Qt::DirectConnection);
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { SaveAtClose(false); });
    }

    PanelToolBar->hide();
    SetMainReady(true);
    LayoutMainWindow();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::SetMainReady(bool ready) {
    State.MainReady = ready;
    if (Deps.MainReadyChanged) Deps.MainReadyChanged(ready);
}

TScreenMetrics TfrmMain::Metrics() const {
    if (Deps.Screen) return *Deps.Screen;
    if (ShownMetrics) return *ShownMetrics;
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return s != nullptr ? ScreenMetricsOf(*s) : TScreenMetrics{800, 600, 600, TFontClass::Regular};
}

std::vector<TBounds> TfrmMain::ScreenAreas() const {
    if (Deps.Screen) return {{0, 0, Deps.Screen->Width, Deps.Screen->Height}};
    std::vector<TBounds> areas;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        areas.push_back({g.x(), g.y(), g.width(), g.height()});
    }
    return areas;
}

QWidget* TfrmMain::ScreenWidget(TScreenId screenId) const {
    switch (screenId) {
        case TScreenId::Solve:
            return frmSolve;
        case TScreenId::Create:
            return frmCreate;
        case TScreenId::Setup:
            return frmSetup;
        case TScreenId::Hints:
            return frmHints;
        case TScreenId::About:
            return frmAbout;
        case TScreenId::Progress:
            return frmProgress;
        case TScreenId::None:
            break;
    }
    return nullptr;
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (Shown) return;
    Shown = true;
    if (const QScreen* s = screen()) ShownMetrics = ScreenMetricsOf(*s);
    PanelToolBar->show();
    TimerStart->start();
}

void TfrmMain::TimerStartTimer() {
    if (StartedUp) return;
    TimerStart->stop();
    PanelHide->hide();
    PanelToolBar->show();

    const TStartUpResult result = State.StartUp(Metrics(), ProgramFonts);
    if (result.OpenElsewhere) {
        // The state is closed already, so closing the window writes nothing.
        close();
        return;
    }
    ApplyWindowRect(PlaceWhereSeen(result.Window, ScreenAreas(), Metrics()));
    ApplyFontSize();

    frmSolve->setGeometry(Area.Left, Area.Top, Area.Width, Area.Height);
    frmSolve->show();
    ShowCurrentScreen();
    PlaceHighlight();
    StartedUp = true;
    // The data file is ours now: the history beside it is opened, and a notice about it shows
    // over the game.
    Progress->Open();

    if (result.FirstRun) {
        PanelHide->show();
        PanelHide->raise();
        ChangeScreen(TScreenId::Hints);
    }
}

void TfrmMain::ApplyWindowRect(const TWindowRect& rect) {
    // The minimum follows the new size: a stored size below it is taken as it is.
    setMinimumSize(0, 0);
    resize(rect.Width, rect.Height);
    move(rect.Left, rect.Top);
    LayoutMainWindow();
    UpdateMinimumSize();
}

void TfrmMain::ToolButtonClick(TToolButton button) {
    switch (button) {
        case TToolButton::Help:
            OpenHelp();
            return;
        case TToolButton::Exit:
            close();
            return;
        default:
            ChangeScreen(ScreenForButton(button));
            return;
    }
}

void TfrmMain::ChangeScreen(TScreenId target) {
    QWidget* before = ScreenWidget(State.CurrentScreen());
    const TScreenId next = State.ChangeScreen(target);
    PlaceHighlight();
    if (before != nullptr) before->hide();
    if (QWidget* after = ScreenWidget(next)) {
        SetGeometry(after, Area);
        if (next == TScreenId::About) frmAbout->SetGeneralFont(FontFor(ProgramFonts.General));
        after->show();
    }
}

void TfrmMain::ShowCurrentScreen() {
    switch (State.CurrentScreen()) {
        case TScreenId::Solve:
            frmSolve->FormShow();
            break;
        case TScreenId::Create:
            frmCreate->FormShow();
            break;
        case TScreenId::Setup:
            frmSetup->FormShow();
            break;
        case TScreenId::Hints:
            frmHints->FormShow();
            break;
        case TScreenId::Progress:
            frmProgress->FormShow();
            break;
        default:
            break;
    }
}

void TfrmMain::OpenHelp() {
    if (Deps.ShowHelp) {
        Deps.ShowHelp();
    } else {
        ShowHelp(this);
    }
}

void TfrmMain::F2Pressed() {
    // During the first-run overview the tool bar is covered; leaving the hints screen then would
    // leave no way back to it.
    if (!State.MainReady || State.FirstRunOverview) return;
    ChangeScreen(TScreenId::About);
}

// Where a puzzle can be added: the chooser or the create screen's list, with no batch running;
// the first-run overview has neither.
void TfrmMain::PastePuzzle() {
    if (!State.MainReady || !(frmSolve->ChooserShown() || frmCreate->ListShown())) return;
    const QString text = QGuiApplication::clipboard()->text();
    AddPuzzleText(text.toStdString());
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls[0].isLocalFile() && IsPuzzleFileName(urls[0].toLocalFile()))
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls[0].isLocalFile()) return;
    event->acceptProposedAction();
    DropPuzzleFile(urls[0].toLocalFile());
}

void TfrmMain::DropPuzzleFile(const QString& path) {
    if (!State.MainReady || !(frmSolve->ChooserShown() || frmCreate->ListShown())) {
        Deps.Messages->ShowMsg(
            "A puzzle can be added on the puzzle chooser (\"Select and solve\") "
            "or on the list of the \"Create/Delete/Print\" screen.",
            TButtons::OkOnly);
        return;
    }
    std::string text;
    std::string reason;
    if (!ReadPuzzleFile(path, text, reason)) {
        Deps.Messages->ShowMsg(UiText("This puzzle cannot be added to the library.\n\r\n\r%1.")
                                   .arg(QString::fromStdString(reason))
                                   .toStdString(),
                               TButtons::OkOnly);
        return;
    }
    AddPuzzleText(text);
}

void TfrmMain::AddPuzzleText(const std::string& text) {
    // On the create screen's list the check shows its progress and can be stopped.
    TRunCheck run = RunCheckBesideWindow;
    if (frmCreate->ListShown()) {
        run = [this](const TPuzzleCheck& check) { frmCreate->RunCheck(check); };
    }
    const int slot = AddPastedPuzzle(AppData().File, text, *Deps.Messages, run);
    if (slot == 0) return;
    Progress->History().SetOrigin(AppData().File.Library.Info(slot).Id, kOriginImported);
    if (frmSolve->ChooserShown()) {
        frmSolve->ShowAddedPuzzle(slot);
    } else if (frmCreate->ListShown()) {
        frmCreate->ShowAddedPuzzle(slot);
    }
}

void TfrmMain::OpenPracticePuzzle(int slot) {
    ChangeScreen(TScreenId::Solve);
    if (State.CurrentScreen() != TScreenId::Solve) return;
    frmSolve->ShowAddedPuzzle(slot);
    frmSolve->bnSolveClick();
}

void TfrmMain::SetOverviewCaption(const QString& caption) {
    lblHintsOverview->setText(caption);
}

void TfrmMain::EndOverview() {
    State.FirstRunOverview = false;
    PanelHide->hide();
    ChangeScreen(TScreenId::Solve);
}

void TfrmMain::PlaceHighlight() {
    const QRect button =
        ToolButtons[static_cast<int>(ButtonForScreen(State.CurrentScreen()))]->geometry();
    SetGeometry(shpHighlight,
                HighlightFor({button.x(), button.y(), button.width(), button.height()}));
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutMainWindow();
    UpdateMinimumSize();
}

void TfrmMain::LayoutMainWindow() {
    if (!State.MainReady) return;
    ScrollForm->setGeometry(0, 0, width(), height());
    Area = ScreenAreaFor(width(), height());
    PanelForm->resize(Area.Width, Area.Top + Area.Height);

    const TToolBarLayout bar = LayoutToolBar(Area.Width, height());
    PanelToolBar->setGeometry(0, 0, Area.Width, bar.Height);
    SetGeometry(shpTools, bar.Tools);
    for (int b = 0; b < kToolButtonCount; ++b) SetGeometry(ToolButtons[b], bar.Buttons[b]);
    PanelHide->setGeometry(0, 0, Area.Width, bar.Height);
    lblHintsOverview->setGeometry(0, 0, Area.Width, bar.Height);
    PlaceHighlight();

    if (QWidget* current = ScreenWidget(State.CurrentScreen())) SetGeometry(current, Area);
}

void TfrmMain::UpdateMinimumSize() {
    const TSize minimum = EffectiveMinimumSize(
        {width(), height()},
        MinimumWindowSize(Metrics().FontClass, AppData().File.Settings.FontSize));
    setMinimumSize(minimum.Width, minimum.Height);
}

TWindowRect TfrmMain::MainWindowGeometry() const {
    return {x(), y(), width(), height()};
}

TSize TfrmMain::ResizeMainWindow(TSize size) {
    // The window is kept within the screen, as a window manager would keep it.
    const TScreenMetrics screenNow = Metrics();
    const TSize fitted{std::min(size.Width, screenNow.Width),
                       std::min(size.Height, screenNow.UsableHeight)};
    const TSize minimum = MinimumWindowSize(screenNow.FontClass, AppData().File.Settings.FontSize);
    const TResizeCheck check = CheckResize({width(), height()}, fitted, minimum);
    if (check.WidthRefused) Deps.Messages->ShowMsg(kMinimumWidthText, TButtons::OkOnly);
    if (check.HeightRefused) Deps.Messages->ShowMsg(kMinimumHeightText, TButtons::OkOnly);
    const TSize held = EffectiveMinimumSize(check.Size, minimum);
    setMinimumSize(held.Width, held.Height);
    resize(check.Size.Width, check.Size.Height);
    return {width(), height()};
}

void TfrmMain::MoveMainWindow(int left, int top) {
    move(left, top);
}

void TfrmMain::ShowToolBar() {
    PanelToolBar->show();
}

void TfrmMain::ApplyFontSize() {
    xs::ApplyFontSize(AppData().File.Settings.FontSize, ProgramFonts);
    PanelToolBar->setFont(FontFor(ProgramFonts.General));
    PanelToolBar->update();
    if (Deps.FontsChanged) Deps.FontsChanged(ProgramFonts);
    UpdateMinimumSize();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    SaveAtClose(true);
    event->accept();
}

void TfrmMain::CommitData(QSessionManager& manager) {
    const bool mayAsk = manager.allowsInteraction();
    SaveAtClose(mayAsk);
    if (mayAsk) manager.release();
}

void TfrmMain::SaveAtClose(bool mayAsk) {
    // Before the start-up has read the data file, writing would replace the stored library with
    // an empty one.
    if (!StartedUp || State.Closed()) return;
    Progress->Close();
    State.Close(MainWindowGeometry(), mayAsk);
}

}  // namespace xs
