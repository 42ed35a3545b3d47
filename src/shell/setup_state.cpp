// The setup screen's state and commands.
#include "shell/setup_state.h"

#include <algorithm>

namespace xs {

const std::array<TSize, 3> kStandardSizes{{{800, 600}, {1000, 720}, {1260, 960}}};
const char* const kScreenButtonCaptions[3] = {
    "Screen Size :   800 x 600", "Screen Size : 1000 x 720", "Screen Size : 1260 x 960"};
const char* const kFontButtonCaptions[3] = {"Smaller font", "Nominal font", "Bigger font"};

const char* const kBiggerConflictText =
    "Large fonts are not available with the selected screen size.";
const TOptionTexts kBiggerConflictOptions{"Set the font size to 'Nominal fonts'",
                                          "Cancel the request to change the screen size.", "", "",
                                          ""};
const char* const kNominalConflictText =
    "Nominal fonts are not available with the selected screen size.";
const TOptionTexts kNominalConflictOptions{"Set the font size to 'Small fonts'",
                                           "Cancel the request to change the screen size.", "", "",
                                           ""};
const char* const kSizeTooBigText =
    "Size selected is bigger than your screen setup parameters.\n\rResetting to maximum size "
    "allowable.";
const char* const kNominalNeeds1260Text =
    "Your current screen size is not big enough for 'Nominal fonts.'\n\r\n\rPlease set your "
    "screen size to at least 1260 by 960 for 'Nominal Fonts'";
const char* const kBiggerNeeds1260Text =
    "Your current screen size is not big enough for 'Bigger fonts.'\n\r\n\rPlease set your "
    "screen size to at least 1260 by 960 for 'Bigger Fonts'";
const char* const kNominalNeeds1000Text =
    "Your current screen size is not big enough for 'Nominal fonts.'\n\r\n\rPlease set your "
    "screen size to at least 1000 by 720 for 'Nominal Fonts'";
const char* const kBiggerNeeds1000Text =
    "Your current screen size is not big enough for 'Bigger fonts.'\n\r\n\rPlease set your "
    "screen size to at least 1000 by 720 for 'Bigger Fonts'";

namespace {

bool IsLargeOrMore(TFontClass c) {
    return c != TFontClass::Regular;
}

TSize SizeOf(const TWindowRect& r) {
    return {r.Width, r.Height};
}

constexpr TSize kSize1000{1000, 720};
constexpr TSize kSize1260{1260, 960};

}  // namespace

TSetupState::TSetupState(TSettings& settings, TMessages& messages, TSetupHost& host)
    : Settings_(settings), Messages_(messages), Host_(host) {}

TScreenButton TSetupState::ButtonForSize(TSize size) {
    for (int b = 0; b < 3; ++b) {
        if (kStandardSizes[b] == size) return static_cast<TScreenButton>(b);
    }
    return TScreenButton::None;
}

void TSetupState::Show() {
    const int fontSize = Settings_.FontSize;
    FontButton_ = fontSize >= 1 && fontSize <= 3 ? fontSize : 0;
    ScreenButton_ = ButtonForSize(SizeOf(Host_.MainWindowGeometry()));
    const TScreenMetrics screen = Host_.ScreenMetrics();
    const bool extraLarge = screen.FontClass == TFontClass::ExtraLarge;
    ScreenEnabled_ = {!extraLarge, screen.Width >= 1000 && screen.Height >= 720,
                      screen.Width >= 1260 && screen.Height >= 960};
    FontEnabled_ = {true, true, !extraLarge};
    PanelChangeItVisible_ = true;
}

void TSetupState::Showing() {
    if (ShowChoices) ShowChoices();
}

void TSetupState::WindowResized() {
    ScreenButton_ = ButtonForSize(SizeOf(Host_.MainWindowGeometry()));
}

bool TSetupState::Below(TSize size) const {
    const TSize window = SizeOf(Host_.MainWindowGeometry());
    return window.Width < size.Width || window.Height < size.Height;
}

void TSetupState::SelectFont(int fontSize) {
    // Like a click: only a change of the selection runs the handler.
    if (FontButton_ == fontSize) return;
    FontButton_ = fontSize;
    FontSizeChange();
}

void TSetupState::FontButtonClick(int fontSize) {
    if (fontSize < 1 || fontSize > 3 || !FontEnabled_[fontSize - 1]) return;
    SelectFont(fontSize);
}

void TSetupState::FontSizeChange() {
    PanelChangeItVisible_ = false;
    const TFontClass fontClass = Host_.ScreenMetrics().FontClass;
    const bool extraLarge = fontClass == TFontClass::ExtraLarge;
    const int previous = Settings_.FontSize == 2 || Settings_.FontSize == 3 ? 2 : 1;
    const int chosen = FontButton_;
    Showing();

    if (extraLarge && chosen == 2 && Below(kSize1260)) {
        Messages_.ShowMsg(kNominalNeeds1260Text, TButtons::OkOnly);
        SelectFont(1);
        return;
    }
    if (IsLargeOrMore(fontClass) && chosen == 3 && Below(kSize1260)) {
        Messages_.ShowMsg(kBiggerNeeds1260Text, TButtons::OkOnly);
        SelectFont(previous);
        return;
    }
    if (IsLargeOrMore(fontClass) && chosen == 2 && Below(kSize1000)) {
        Messages_.ShowMsg(kNominalNeeds1000Text, TButtons::OkOnly);
        SelectFont(1);
        return;
    }
    if (chosen == 3 && Below(kSize1000)) {
        Messages_.ShowMsg(kBiggerNeeds1000Text, TButtons::OkOnly);
        SelectFont(previous);
        return;
    }

    Settings_.FontSize = chosen;
    Host_.ApplyFontSize();
    ++FontChanges_;
    PanelChangeItVisible_ = true;
}

void TSetupState::ScreenButtonClick(TScreenButton b) {
    if (Index(b) < 0 || Index(b) > 2 || !ScreenEnabled_[Index(b)]) return;
    // A click on the button already matching the window changes nothing.
    if (ScreenButton_ == b && SizeOf(Host_.MainWindowGeometry()) == kStandardSizes[Index(b)])
        return;
    ScreenButton_ = b;

    const TFontClass fontClass = Host_.ScreenMetrics().FontClass;
    const bool extraLarge = fontClass == TFontClass::ExtraLarge;
    enum { None, Nominal, Bigger } conflict = None;
    if (extraLarge && FontButton_ == 2 && b == TScreenButton::Size1000) {
        conflict = Nominal;
    } else if (IsLargeOrMore(fontClass) && FontButton_ == 2 && b == TScreenButton::Size800) {
        conflict = Nominal;
    } else if (IsLargeOrMore(fontClass) && FontButton_ == 3 && b != TScreenButton::Size1260) {
        conflict = Bigger;
    } else if (FontButton_ == 3 && b == TScreenButton::Size800) {
        conflict = Bigger;
    }

    if (conflict != None) {
        const bool bigger = conflict == Bigger;
        Showing();
        const int answer = Messages_.ShowOptions(
            bigger ? kBiggerConflictText : kNominalConflictText, 2,
            bigger ? kBiggerConflictOptions : kNominalConflictOptions, false, true);
        if (answer != OptionResult(0)) {
            ScreenButton_ = ButtonForSize(SizeOf(Host_.MainWindowGeometry()));
            return;
        }
        SelectFont(bigger ? 2 : 1);
        Host_.ApplyFontSize();
        ++FontChanges_;
    }
    ApplyScreenSize();
}

void TSetupState::ApplyScreenSize() {
    const TSize wanted = kStandardSizes[Index(ScreenButton_)];
    Settings_.WindowWidth = wanted.Width;
    Settings_.WindowHeight = wanted.Height;
    Showing();
    const TSize taken = Host_.ResizeMainWindow(wanted);
    Host_.ShowToolBar();
    if (taken != wanted) {
        Settings_.WindowWidth = taken.Width;
        Settings_.WindowHeight = taken.Height;
        ScreenButton_ = ButtonForSize(taken);
        Showing();
        Messages_.ShowMsg(kSizeTooBigText, TButtons::OkOnly);
    }

    const TScreenMetrics screen = Host_.ScreenMetrics();
    TWindowRect window = Host_.MainWindowGeometry();
    bool moved = false;
    if (window.Top + window.Height > screen.Height) {
        window.Top = (screen.Height - window.Height) / 2;
        moved = true;
    }
    if (window.Left + window.Width > screen.Width) {
        window.Left = (screen.Width - window.Width) / 2;
        moved = true;
    }
    if (moved) Host_.MoveMainWindow(window.Left, window.Top);
    Settings_.WindowTop = window.Top;
    Settings_.WindowLeft = window.Left;
    Host_.LayoutMainWindow();
}

TSetupLayout LayoutSetup(int width, int height, int screenTextWidth, int fontTextWidth,
                         int textHeight, int radioIndent) {
    TSetupLayout layout;
    const int spareWidth = std::max(0, width - 350 - 410);
    const int growWidth = std::min(250, spareWidth / 3);
    const int infoWidth = 350 + growWidth;
    const int textWidth = 410 + growWidth;
    const int gapX = std::max(0, (width - infoWidth - textWidth) / 3);

    const int spareHeight = std::max(0, height - 460);
    const int columnHeight = 460 + std::min(200, spareHeight / 2);
    const int panelHeight = 160 + std::min(50, spareHeight / 4);
    const int columnTop = std::max(0, (height - columnHeight) / 2);
    const int gapY = std::max(0, (columnHeight - 2 * panelHeight) / 3);

    layout.PanelInfo = {gapX, columnTop, infoWidth, columnHeight};
    layout.PanelText = {gapX + infoWidth + gapX, columnTop, textWidth, columnHeight};
    layout.PanelScreenSize = {0, gapY, infoWidth, panelHeight};
    layout.PanelFontSize = {0, gapY + panelHeight + gapY, infoWidth, panelHeight};
    layout.PanelScreenInstruct = {0, gapY, textWidth, panelHeight};
    layout.PanelFontInstruct = {0, gapY + panelHeight + gapY, textWidth, panelHeight};

    layout.Title = {0, 8, infoWidth, textHeight + 2};
    const int radioHeight = textHeight + 2;
    const int radiosTop = layout.Title.Top + layout.Title.Height + 4;
    const int radioGap = std::max(0, (panelHeight - radiosTop - 3 * radioHeight) / 4);
    const auto place = [&](int textWidthOf, std::array<TBounds, 3>& radios) {
        const int w = textWidthOf + radioIndent;
        const int left = std::max(0, (infoWidth - w) / 2);
        for (int i = 0; i < 3; ++i) {
            radios[i] = {left, radiosTop + radioGap + i * (radioHeight + radioGap), w, radioHeight};
        }
    };
    place(screenTextWidth, layout.ScreenRadios);
    place(fontTextWidth, layout.FontRadios);
    return layout;
}

}  // namespace xs
