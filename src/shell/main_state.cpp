// The main window's state and layout numbers.
#include "shell/main_state.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "storage/data_path.h"

namespace xs {

const std::array<TToolButtonText, kToolButtonCount> kToolButtonTexts{{
    {"bnSolve", "Select and solve", "Solve XSums puzzle"},
    {"bnCreate", "Create/Delete/Print", "Manage XSums puzzles"},
    {"bnSetup", "Setup", "Screen setup"},
    {"bnHints", "Hints", "Hints and Examples"},
    {"bnHelp", "Help", "Show help file"},
    {"bnAbout", "About", "Information - about box"},
    {"bnExit", "Exit", "Exit the program"},
}};

const char* const kMinimumWidthText =
    "You have reached the minimum screen width for your current font size.";
const char* const kMinimumHeightText =
    "You have reached the minimum screen height for your current font size.";
const char* const kExtraLargeFontsText =
    "Your computer font size is set at extra large fonts.\n\r\n\rThe program is optimized for "
    "regular and large fonts.\n\r\n\rAll text will be easily readable, but using this font size "
    "may result in some characters being truncated at the bottom of the text.";
const char* const kUnsavedChangesText = "You have made changes since your last save.";
const TOptionTexts kUnsavedChangesOptions{"Save this puzzle with your latest changes",
                                          "Cancel the changes", "", "", ""};
const TOptionTexts kSaveFailedOptions{"Try the save again", "Close without saving", "", "", ""};

TToolButton ButtonForScreen(TScreenId screen) {
    switch (screen) {
        case TScreenId::Create:
            return TToolButton::Create;
        case TScreenId::Setup:
            return TToolButton::Setup;
        case TScreenId::Hints:
            return TToolButton::Hints;
        case TScreenId::About:
            return TToolButton::About;
        case TScreenId::None:
        case TScreenId::Solve:
            break;
    }
    return TToolButton::Solve;
}

TScreenId ScreenForButton(TToolButton button) {
    switch (button) {
        case TToolButton::Solve:
            return TScreenId::Solve;
        case TToolButton::Create:
            return TScreenId::Create;
        case TToolButton::Setup:
            return TScreenId::Setup;
        case TToolButton::Hints:
            return TScreenId::Hints;
        case TToolButton::About:
            return TScreenId::About;
        case TToolButton::Help:
        case TToolButton::Exit:
            break;
    }
    return TScreenId::None;
}

int RadioIndentFor(TFontClass fontClass) {
    switch (fontClass) {
        case TFontClass::Regular:
            return 20;
        case TFontClass::Large:
            return 25;
        case TFontClass::ExtraLarge:
            return 30;
    }
    return 20;
}

int ToolBarHeight(int clientHeight) {
    const int extra = clientHeight > 630 ? std::min(10, (clientHeight - 630) / 10) : 0;
    return 38 + extra;
}

TBounds ScreenAreaFor(int clientWidth, int clientHeight) {
    const int top = ToolBarHeight(clientHeight);
    return {0, top, std::max(kMinScreenWidth, clientWidth),
            std::max(kMinScreenHeight, clientHeight - top)};
}

namespace {

int RoundedShare(int value, int parts) {
    return static_cast<int>(std::lround(static_cast<double>(value) / parts));
}

}  // namespace

TToolBarLayout LayoutToolBar(int width, int clientHeight) {
    TToolBarLayout layout;
    layout.Height = ToolBarHeight(clientHeight);
    const int buttonHeight = layout.Height - 8;
    const int extra = width > 820 ? (width - 820) / 7 : 0;
    const int wide = 162 + extra;
    const int small = 87 + extra;

    const int gap1 = RoundedShare(width - 2 * wide - 5 * small, 8);
    layout.Buttons[0] = {gap1, 4, wide, buttonHeight};
    layout.Buttons[1] = {gap1 + wide + gap1, 4, wide, buttonHeight};
    const int toolsLeft = layout.Buttons[1].Left + wide + gap1;
    layout.Tools = {toolsLeft, 0, width - toolsLeft + 1, layout.Height};

    const int gap2 = RoundedShare(width - toolsLeft - 5 * small, 6);
    int left = toolsLeft + 1 + gap2;
    for (int b = static_cast<int>(TToolButton::Setup); b < kToolButtonCount; ++b) {
        layout.Buttons[b] = {left, 4, small, buttonHeight};
        left += small + gap2;
    }
    return layout;
}

TBounds HighlightFor(const TBounds& button) {
    return {button.Left - 4, button.Top - 4, button.Width + 8, button.Height + 8};
}

TWindowRect CentreWindow(int width, int height, const TScreenMetrics& screen) {
    return {std::max(0, (screen.Width - width) / 2), std::max(0, (screen.Height - height) / 2),
            width, height};
}

bool TopEdgeOnScreen(const TWindowRect& window, const std::vector<TBounds>& screens) {
    // Stored values may be anything, so the right end is formed in 64 bits.
    const std::int64_t left = window.Left;
    const std::int64_t right = left + window.Width;
    return std::any_of(screens.begin(), screens.end(), [&](const TBounds& s) {
        return window.Top >= s.Top && window.Top < s.Bottom() && left < s.Right() && right > s.Left;
    });
}

TWindowRect PlaceWhereSeen(const TWindowRect& window, const std::vector<TBounds>& screens,
                           const TScreenMetrics& screen) {
    if (TopEdgeOnScreen(window, screens)) return window;
    return CentreWindow(window.Width, window.Height, screen);
}

TSize MinimumWindowSize(TFontClass fontClass, int fontSize) {
    constexpr TSize none{0, 0};
    constexpr TSize mid{1000, 720};
    constexpr TSize big{1260, 960};
    switch (fontClass) {
        case TFontClass::Regular:
            return fontSize == 3 ? mid : none;
        case TFontClass::Large:
            return fontSize == 2 ? mid : fontSize == 3 ? big : none;
        case TFontClass::ExtraLarge:
            return fontSize == 1 ? mid : fontSize == 2 ? big : none;
    }
    return none;
}

TSize EffectiveMinimumSize(TSize current, TSize minimum) {
    return {current.Width >= minimum.Width ? minimum.Width : 0,
            current.Height >= minimum.Height ? minimum.Height : 0};
}

TResizeCheck CheckResize(TSize current, TSize requested, TSize minimum) {
    TResizeCheck check{requested};
    const TSize held = EffectiveMinimumSize(current, minimum);
    if (requested.Width < held.Width) {
        check.Size.Width = held.Width;
        check.WidthRefused = true;
    }
    if (requested.Height < held.Height) {
        check.Size.Height = held.Height;
        check.HeightRefused = true;
    }
    return check;
}

TMainState::TMainState(TDataFileRecord& file, TDataFilePaths paths, TMessages& messages,
                       TSolveHooks hooks, TFileOps& ops)
    : File_(file),
      Paths_(std::move(paths)),
      Messages_(messages),
      Hooks_(std::move(hooks)),
      Ops_(ops) {}

std::string OpenElsewhereText(const QString& path) {
    return "These Cross Sums puzzles are open in another window:\n\r" + path.toStdString() +
           "\n\r\n\rThis window closes and leaves them as they are.";
}

std::string HeldElsewhereText(const QString& path, const TLockResult& held) {
    if (held.Holder == TLockHolder::Game) return OpenElsewhereText(path);
    std::string who =
        held.Holder == TLockHolder::Companion ? kCompanionLockName : "another program";
    if (held.Pid > 0) who += " (process " + std::to_string(held.Pid) + ")";
    return "These Cross Sums puzzles are in use by " + who + ":\n\r" + path.toStdString() +
           "\n\r\n\rThis window closes and leaves them as they are. Start the game again when " +
           (held.Holder == TLockHolder::Companion ? kCompanionLockName : "that program") +
           " has finished.";
}

std::string UnusablePathText(const QString& path, const QString& problem) {
    return "The Cross Sums puzzles cannot be kept at\n\r" + path.toStdString() + "\n\rbecause " +
           problem.toStdString() +
           ".\n\r\n\rThe game starts with no puzzles and leaves it as it is; nothing of this "
           "session can be saved there.";
}

std::string LinkToNewFileText(const QString& path, const QString& target) {
    return "The Cross Sums puzzles at\n\r" + path.toStdString() +
           "\n\rare kept in the file it links to,\n\r" + target.toStdString() +
           "\n\rwhich does not exist yet.\n\r\n\rThe game starts with no puzzles and makes "
           "that file when it closes.";
}

std::string NoLockText(const QString& path, const QString& reason) {
    return "The Cross Sums puzzles at\n\r" + path.toStdString() +
           "\n\rcannot be locked: " + reason.toStdString() +
           ".\n\r\n\rThe game goes on, but another window or " + kCompanionLockName +
           " could change them at the same time.";
}

std::string UnreadableFileText(const QString& path, const QString& aside) {
    std::string text = "The Cross Sums puzzles could not be read from\n\r" + path.toStdString();
    if (aside.isEmpty())
        return text +
               "\n\r\n\rThe file could not be moved aside either, so it is left as it "
               "is and nothing of this session will be saved.";
    return text + "\n\r\n\rThe file has been kept as\n\r" + aside.toStdString() +
           "\n\rand the game starts with no puzzles.";
}

TStartUpResult TMainState::StartUp(const TScreenMetrics& screen, TProgramFonts& fonts) {
    TStartUpResult result;
    Lock_ = std::make_unique<TDataFileLock>(Paths_.DataFile);
    // Nothing is locked, read or written where no file can be: a pipe, a device, a folder.
    const QString problem = DataPathProblem(Paths_.DataFile);
    if (problem.isEmpty()) {
        const TLockResult locked = Lock_->TryLock();
        if (locked.Status == TLockStatus::HeldByOther) {
            Closed_ = true;
            Messages_.ShowMsg(HeldElsewhereText(Paths_.DataFile, locked), TButtons::OkOnly);
            result.OpenElsewhere = true;
            return result;
        }
        if (locked.Status == TLockStatus::NotPossible)
            Messages_.ShowMsg(NoLockText(Paths_.DataFile, locked.Reason), TButtons::OkOnly);
    }
    if (screen.FontClass == TFontClass::ExtraLarge) {
        Messages_.ShowMsg(kExtraLargeFontsText, TButtons::OkOnly);
    }
    if (const TDataPath found = InspectDataPath(Paths_.DataFile);
        problem.isEmpty() && found.Kind == TPathKind::DanglingLink) {
        File_.Settings.Valid = 0;
        Messages_.ShowMsg(LinkToNewFileText(Paths_.DataFile, found.Resolved), TButtons::OkOnly);
    } else if (!problem.isEmpty()) {
        File_.Settings.Valid = 0;
        Messages_.ShowMsg(UnusablePathText(Paths_.DataFile, problem), TButtons::OkOnly);
    } else if (!ReadDataFile(File_, Paths_) && IsUnreadableDataFile(Paths_.DataFile)) {
        // Kept now rather than at the close, so that it is safe however this run ends.
        const QString aside = SetAsideUnreadable(Paths_.DataFile);
        Messages_.ShowMsg(UnreadableFileText(Paths_.DataFile, aside), TButtons::OkOnly);
    }

    TSettings& settings = File_.Settings;
    result.Window =
        settings.Valid == 1 ? RestoreWindow(settings, screen) : DefaultWindow(settings, screen);
    ApplyFontSize(settings.FontSize, fonts);

    Current_ = TScreenId::Solve;
    result.FirstRun = settings.Valid != 1;
    FirstRunOverview = result.FirstRun;
    return result;
}

void TMainState::OfferToSave() {
    if (Current_ != TScreenId::Solve || !Hooks_.IsModified || !Hooks_.IsModified()) return;
    const int answer =
        Messages_.ShowOptions(kUnsavedChangesText, 2, kUnsavedChangesOptions, false, false);
    if (answer == OptionResult(0) && Hooks_.Save) Hooks_.Save();
}

TScreenId TMainState::ChangeScreen(TScreenId target) {
    OfferToSave();
    if (target != TScreenId::None) Current_ = target;
    return Current_;
}

bool TMainState::Close(const TWindowRect& window, bool mayAsk) {
    if (Closed_) return false;
    Closed_ = true;
    if (mayAsk) OfferToSave();
    TSettings& settings = File_.Settings;
    settings.WindowHeight = window.Height;
    settings.WindowWidth = window.Width;
    settings.WindowTop = window.Top;
    settings.WindowLeft = window.Left;
    for (;;) {
        const TSaveResult saved = SaveFile();
        if (saved.Saved) break;
        if (!mayAsk) {
            Messages_.ShowMsg(SaveFailureText(saved), TButtons::OkOnly);
            break;
        }
        const int answer = Messages_.ShowOptions(
            SaveFailureText(saved) +
                "\n\r\n\rThe puzzles of this session are still here: try the save again once the "
                "cause is mended, or close without saving them.",
            2, kSaveFailedOptions, false, false);
        if (answer != OptionResult(0)) break;
    }
    if (Lock_) Lock_->Unlock();
    return true;
}

TSaveResult TMainState::SaveFile() {
    // A path that held no file at start may hold one now; the lock is taken before writing.
    if (Lock_ && !Lock_->IsLocked() && DataPathProblem(Paths_.DataFile).isEmpty()) {
        const TLockResult locked = Lock_->TryLock();
        if (locked.Status == TLockStatus::HeldByOther) {
            TSaveResult refused;
            refused.Path = Paths_.DataFile;
            refused.Problem = locked.Reason;
            return refused;
        }
    }
    return SaveDataFile(File_, Paths_, TValidMark::Set, Lock_.get(), Ops_);
}

}  // namespace xs
