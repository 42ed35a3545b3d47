// The main window's state and layout numbers: screen switching with the save prompt, start-up,
// closing, tool-bar geometry, window minimum sizes. No widgets here.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/bounds.h"
#include "storage/data_file.h"
#include "storage/data_file_lock.h"
#include "storage/messages.h"
#include "storage/preferences.h"
#include "storage/settings.h"

namespace xs {

// Screen numbers as the tool bar counts them; 5 is not used.
enum class TScreenId : int {
    None = 0,
    Solve = 1,
    Create = 2,
    Setup = 3,
    Hints = 4,
    About = 6,
    Progress = 7
};

// The tool-bar buttons from left to right: bnSolve, bnCreate, bnSetup, bnHints, bnProgress,
// bnHelp, bnAbout, bnExit.
enum class TToolButton : int { Solve = 0, Create, Setup, Hints, Progress, Help, About, Exit };
constexpr int kToolButtonCount = 8;

struct TSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};

struct TToolButtonText {
    const char* Name;  // the control's name
    const char* Caption;
    const char* Hint;
};
extern const std::array<TToolButtonText, kToolButtonCount> kToolButtonTexts;

// The button that stands for a screen; no screen yet counts as the solve screen.
TToolButton ButtonForScreen(TScreenId screen);
// The screen a button leads to; None for Help and Exit.
TScreenId ScreenForButton(TToolButton button);

// Extra width screens give radio buttons and check boxes beyond their caption's text.
int RadioIndentFor(TFontClass fontClass);

// The smallest area a screen is laid out for; below it the window scrolls.
constexpr int kMinScreenWidth = 792;
constexpr int kMinScreenHeight = 513;

// 38 pixels, growing by a pixel for every 10 of client height above 630, at most 48.
int ToolBarHeight(int clientHeight);

// Where every screen sits: the client area below the tool bar, never smaller than the minimum.
// Qt's window size is its client size, so no border allowance is taken off.
TBounds ScreenAreaFor(int clientWidth, int clientHeight);

struct TToolBarLayout {
    int Height = 0;
    std::array<TBounds, kToolButtonCount> Buttons{};  // by TToolButton
    TBounds Tools;  // shpTools, the block behind the right-hand group
};

// Button sizes and places for a tool bar `width` wide in a window of `clientHeight`.
TToolBarLayout LayoutToolBar(int width, int clientHeight);
// shpHighlight around a button.
TBounds HighlightFor(const TBounds& button);

// A window of the given size centred on the screen, never above or left of its corner.
TWindowRect CentreWindow(int width, int height, const TScreenMetrics& screen);

// Whether some of the window's top edge lies on one of the screens (desktop coordinates).
bool TopEdgeOnScreen(const TWindowRect& window, const std::vector<TBounds>& screens);
// A restored window stays where it was stored while some of its top edge, where it is dragged
// from, shows on a screen (one left of or above the main screen too). Otherwise (a monitor since
// removed, a stray value in the file) it would open out of reach, so it is centred on `screen`.
TWindowRect PlaceWhereSeen(const TWindowRect& window, const std::vector<TBounds>& screens,
                           const TScreenMetrics& screen);

// Minimum window size for the font class and FontSize; {0, 0} when there is none.
TSize MinimumWindowSize(TFontClass fontClass, int fontSize);
// The minimum the window is held to now: a window already smaller than the minimum in one
// direction may shrink further that way.
TSize EffectiveMinimumSize(TSize current, TSize minimum);

// The verdict on a requested window size.
struct TResizeCheck {
    TSize Size{};  // the size to take
    bool WidthRefused = false;
    bool HeightRefused = false;
};
TResizeCheck CheckResize(TSize current, TSize requested, TSize minimum);

extern const char* const kMinimumWidthText;
extern const char* const kMinimumHeightText;
extern const char* const kExtraLargeFontsText;
extern const char* const kUnsavedChangesText;
extern const TOptionTexts kUnsavedChangesOptions;
// Offered when the save at the close fails: try it again, or close without saving.
extern const TOptionTexts kSaveFailedOptions;
// Offered at the close of a session that must not write over the file now at its path: keep the
// puzzles in a new file beside it, or close without saving them.
extern const TOptionTexts kKeepFileOptions;

// What the main window needs of the solve screen.
struct TSolveHooks {
    std::function<bool()> IsModified;  // the current puzzle differs from its slot
    std::function<void()> Save;        // save it into its slot without asking
};

// What the start-up sequence decided.
struct TStartUpResult {
    TWindowRect Window;
    bool FirstRun = false;  // no valid preferences: walk the player through the hints
    // Another window holds the data file: the player was told, and this window closes at once
    // without writing anything.
    bool OpenElsewhere = false;
};

// Told when another running game holds the data file at `path`.
std::string OpenElsewhereText(const QString& path);
// Told when another program holds the data file: the game, the companion or one unknown.
std::string HeldElsewhereText(const QString& path, const TLockResult& held);
// Told at start when the path holds something that is not a file (`problem`: DataPathProblem).
std::string UnusablePathText(const QString& path, const QString& problem);
// Told at start when the path is a link to `target`, a file not made yet: the close makes it.
std::string LinkToNewFileText(const QString& path, const QString& target);
// Told at start when no lock can be had on the data file (`reason`: the lock's Reason).
std::string NoLockText(const QString& path, const QString& reason);
// Told once at start when the data file at `path` could not be read; `aside` is where it was
// kept, empty when it could not be moved.
std::string UnreadableFileText(const QString& path, const QString& aside);
// Told at the close of a session that did not read the file at `path`, when a file is there now
// or another program holds it (`held`): it is left as it is.
std::string NotReadText(const QString& path, const TLockResult& held);
// Told when the puzzles of such a session were saved in `file` instead.
std::string SavedElsewhereText(const QString& file);

class TMainState {
public:
    // `ops` makes the system calls of the save at the close.
    TMainState(TDataFileRecord& file, TDataFilePaths paths, TMessages& messages, TSolveHooks hooks,
               TFileOps& ops = SystemFileOps());

    bool MainReady = false;
    bool FirstRunOverview = false;

    TScreenId CurrentScreen() const { return Current_; }

    // Takes the data file's lock (when another program holds it: says so, and nothing more
    // happens, nothing is written; when none can be had: says so and goes on), extra-large-fonts
    // notice, data file (one that cannot be read is set aside and the player told; a path that
    // holds no file is not read, and the player told why), window geometry and fonts; the solve
    // screen becomes current.
    // The caller shows the window there and, on a first run, starts the overview.
    TStartUpResult StartUp(const TScreenMetrics& screen, TProgramFonts& fonts);

    // Leaves the current screen for `target` (None keeps the current one), offering to save
    // unsaved solving progress first. Returns the screen to show.
    TScreenId ChangeScreen(TScreenId target);

    // Offers to save unsaved progress, stores the window geometry and writes the data file, with
    // its lock taken before anything at the path is looked at. When the write fails the player is
    // told what failed and where, and may try it again or close without saving; the library
    // stays in memory meanwhile. A session that did not read the file at the path never writes
    // over one found there at the close (or held by another program): it says so and offers to
    // save its puzzles in a new file beside it (".session", ".session.1", ...) or not at all.
    // Runs once per run; later calls do nothing and return false. Releases the data file's lock.
    // Without `mayAsk` (the desktop session or a signal is ending the game and allows no
    // question) unsaved progress is left unsaved, a failed write is only reported, and a file
    // not read is kept and the puzzles saved beside it unasked.
    bool Close(const TWindowRect& window, bool mayAsk = true);
    bool Closed() const { return Closed_; }
    // Gives up a close that is waiting on a message: releases the lock and says, in a line, what
    // the data file holds now.
    std::string Abandon();

private:
    void OfferToSave();
    void SaveAtClose(bool mayAsk);
    // The data file's lock, taken now if the start-up could not take it.
    TLockResult LockForTheSave();
    void KeepUnreadFile(bool mayAsk, const TLockResult& held);

    TDataFileRecord& File_;
    TDataFilePaths Paths_;
    TMessages& Messages_;
    TSolveHooks Hooks_;
    TFileOps& Ops_;
    TScreenId Current_ = TScreenId::None;
    bool Closed_ = false;
    std::unique_ptr<TDataFileLock> Lock_;  // held from the start-up's read to the close's write
    bool ReadAtStart_ = false;             // the library came from the file at the path
    bool FileHoldsSession_ = false;        // the close's save put this session's library there
    QString SavedElsewhere_;               // where the close kept the puzzles instead
};

}  // namespace xs
