// The main window: tool bar, the five screens below it, start-up, screen switching and closing.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "hints/hints.h"
#include "shell/main_state.h"
#include "shell/setup_state.h"
#include "storage/data_file.h"
#include "storage/messages.h"
#include "storage/preferences.h"

class QSessionManager;

namespace xs {

class TfrmSolve;
class TfrmCreate;
class TfrmProgress;
class TProgressKeeper;
class TfrmSetup;
class TfrmAbout;

// What the main window works with; tests give their own files, screen and messages.
struct TMainWindowDeps {
    TDataFilePaths Paths;
    TMessages* Messages = nullptr;  // required
    // A fixed screen; without it the metrics come from the screen the window is on.
    std::optional<TScreenMetrics> Screen;
    // Opens the help; the help window when not set.
    std::function<void()> ShowHelp;
    // Told whenever the fonts follow a new FontSize (the message dialog takes GeneralFont).
    std::function<void(const TProgramFonts&)> FontsChanged;
    // Told false when the window starts building itself and true when it is done; the message
    // dialog shows nothing in between.
    std::function<void(bool ready)> MainReadyChanged;
};

// The screen metrics of a Qt screen. The usable height is the screen's available height, which
// leaves out panels that stay on top, as a task bar would.
TScreenMetrics ScreenMetricsOf(const class QScreen& screen);

class TfrmMain : public QWidget, public TOverviewHost, public TSetupHost {
    Q_OBJECT

public:
    explicit TfrmMain(TMainWindowDeps deps, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The handler of every screen button; other senders keep the current screen.
    void ChangeScreen(TScreenId target);
    // Runs the current screen's show handler again so that it refreshes its contents.
    void ShowCurrentScreen();
    // A file dropped on the window: added as a puzzle on the chooser or the create screen's list.
    void DropPuzzleFile(const QString& path);

    bool MainReady() const { return State.MainReady; }
    // The close has begun: the data file is being written, or a message about it is shown.
    bool Closing() const { return StartedUp && State.Closed(); }
    // Gives up a close that waits on a message; returns what the data file holds now.
    std::string AbandonClose() { return State.Abandon(); }
    bool StartUpDone() const { return StartedUp; }
    TScreenId CurrentScreen() const { return State.CurrentScreen(); }
    QWidget* ScreenWidget(TScreenId screen) const;
    TBounds ScreenArea() const { return Area; }
    int RadioIndent() const { return Indent; }
    int UsableScreenHeight() const { return Metrics().UsableHeight; }
    const TProgramFonts& Fonts() const { return ProgramFonts; }

    // TOverviewHost
    bool FirstRunOverview() const override { return State.FirstRunOverview; }
    void SetOverviewCaption(const QString& caption) override;
    void EndOverview() override;

    // TSetupHost
    TScreenMetrics ScreenMetrics() const override { return Metrics(); }
    TWindowRect MainWindowGeometry() const override;
    TSize ResizeMainWindow(TSize size) override;
    void MoveMainWindow(int left, int top) override;
    void ShowToolBar() override;
    void ApplyFontSize() override;
    void LayoutMainWindow() override;

    QScrollArea* ScrollForm;
    QWidget* PanelForm;  // everything the window scrolls when it is smaller than a screen
    QWidget* PanelToolBar;
    QPushButton* bnSolve;
    QPushButton* bnCreate;
    QPushButton* bnSetup;
    QPushButton* bnHints;
    QPushButton* bnProgress;
    QPushButton* bnHelp;
    QPushButton* bnAbout;
    QPushButton* bnExit;
    std::array<QPushButton*, kToolButtonCount> ToolButtons;  // by TToolButton
    QFrame* shpHighlight;
    QFrame* shpTools;
    QFrame* PanelHide;
    QLabel* lblHintsOverview;
    QTimer* TimerStart;

    TfrmSolve* frmSolve;
    TfrmCreate* frmCreate;
    TfrmHints* frmHints;
    TfrmSetup* frmSetup;
    TfrmAbout* frmAbout;
    TfrmProgress* frmProgress;
    // The history of the player's games, the time on the puzzle in play.
    TProgressKeeper* Progress;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void TimerStartTimer();
    void ToolButtonClick(TToolButton button);
    void OpenHelp();
    void F2Pressed();
    // Ctrl+V on the chooser or the create screen's list, and a puzzle file dropped on the window.
    void PastePuzzle();
    void AddPuzzleText(const std::string& text);
    // A practice puzzle stored at `slot`: the solve screen opens it.
    void OpenPracticePuzzle(int slot);
    void PlaceHighlight();
    void UpdateMinimumSize();
    void SetMainReady(bool ready);
    void ApplyWindowRect(const TWindowRect& rect);
    // Offers to save, stores the geometry and writes the data file, once per run.
    void SaveAtClose(bool mayAsk);
    void CommitData(QSessionManager& manager);
    TScreenMetrics Metrics() const;
    // Every screen of the desktop, in desktop coordinates.
    std::vector<TBounds> ScreenAreas() const;

    TMainWindowDeps Deps;
    TMainState State;
    TProgramFonts ProgramFonts;
    TBounds Area;
    int Indent = 20;
    bool Shown = false;
    bool StartedUp = false;
    std::optional<TScreenMetrics> ShownMetrics;  // read when the window is first shown
};

}  // namespace xs
