// The main window's state and layout numbers.
#include "shell/main_state.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace xs {

const std::array<TToolButtonText, kToolButtonCount> kToolButtonTexts{{
    {"bnSolve", "Select and solve", "Solve XSums puzzle"},
    {"bnCreate", "Create/Delete/Print", "Manage XSums puzzles"},
    {"bnSetup", "Setup", "Screen setup"},
    {"bnHints", "Hints", "Hints and Examples"},
    {"bnProgress", "Progress", "Your times, hints and practice"},
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
        case TScreenId::Progress:
            return TToolButton::Progress;
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
        case TToolButton::Progress:
            return TScreenId::Progress;
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

    // The right-hand group (Setup to Exit) shares its block: its buttons keep their width where
    // the block has room and narrow together, with at least 4 pixels between them, where not.
    constexpr int kGroup = kToolButtonCount - static_cast<int>(TToolButton::Setup);
    const int groupSmall = std::min(small, (width - toolsLeft - (kGroup + 1) * 4) / kGroup);
    const int gap2 = RoundedShare(width - toolsLeft - kGroup * groupSmall, kGroup + 1);
    int left = toolsLeft + 1 + gap2;
    for (int b = static_cast<int>(TToolButton::Setup); b < kToolButtonCount; ++b) {
        layout.Buttons[b] = {left, 4, groupSmall, buttonHeight};
        left += groupSmall + gap2;
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

}  // namespace xs
