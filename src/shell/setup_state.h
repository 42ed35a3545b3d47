// The setup screen's state and commands: standard window sizes, font sizes, and the rules that
// tie the two together.
#pragma once

#include <array>
#include <functional>

#include "shell/main_state.h"
#include "storage/messages.h"
#include "storage/preferences.h"
#include "storage/settings.h"

namespace xs {

// What the setup screen needs of the main window.
class TSetupHost {
public:
    virtual ~TSetupHost() = default;
    virtual TScreenMetrics ScreenMetrics() const = 0;
    virtual TWindowRect MainWindowGeometry() const = 0;
    // Gives the main window this size as far as the screen allows; returns the size it took.
    virtual TSize ResizeMainWindow(TSize size) = 0;
    virtual void MoveMainWindow(int left, int top) = 0;
    virtual void ShowToolBar() = 0;
    // The fonts follow the preferences' FontSize again (and so does the minimum window size).
    virtual void ApplyFontSize() = 0;
    virtual void LayoutMainWindow() = 0;
};

// Screen-size buttons TScreenButton::Size800, TScreenButton::Size1000, TScreenButton::Size1260;
// None when the window has none of their sizes. The values index kStandardSizes.
enum class TScreenButton : int { None = -1, Size800 = 0, Size1000, Size1260 };
inline int Index(TScreenButton b) {
    return static_cast<int>(b);
}
// Font-size buttons are numbered as FontSize: 1 rbFont1, 2 rbFont2, 3 rbFont3; 0 none.

extern const std::array<TSize, 3> kStandardSizes;
extern const char* const kScreenButtonCaptions[3];
extern const char* const kFontButtonCaptions[3];

extern const char* const kBiggerConflictText;
extern const TOptionTexts kBiggerConflictOptions;
extern const char* const kNominalConflictText;
extern const TOptionTexts kNominalConflictOptions;
extern const char* const kSizeTooBigText;
extern const char* const kNominalNeeds1260Text;
extern const char* const kBiggerNeeds1260Text;
extern const char* const kNominalNeeds1000Text;
extern const char* const kBiggerNeeds1000Text;

class TSetupState {
public:
    TSetupState(TSettings& settings, TMessages& messages, TSetupHost& host);

    // The radio buttons as they stand.
    int FontButton() const { return FontButton_; }
    TScreenButton ScreenButton() const { return ScreenButton_; }
    bool ScreenButtonEnabled(TScreenButton b) const { return ScreenEnabled_[Index(b)]; }
    bool FontButtonEnabled(int fontSize) const { return FontEnabled_[fontSize - 1]; }
    bool PanelChangeItVisible() const { return PanelChangeItVisible_; }
    // Counts every font change applied, so the screen knows to take the new font.
    int FontChanges() const { return FontChanges_; }

    // Showing the screen: the buttons reflect the preferences and the window; nothing changes.
    void Show();
    // The main window took another size: the screen-size buttons follow it.
    void WindowResized();
    // A click on a screen-size button.
    void ScreenButtonClick(TScreenButton b);
    // A click on a font-size button 1..3.
    void FontButtonClick(int fontSize);

    // The screen-size button matching a window size.
    static TScreenButton ButtonForSize(TSize size);

    // Called before every message this screen shows and before it resizes the main window, whose
    // messages come too: the widgets then show the choice the message is about, not the one
    // before it.
    std::function<void()> ShowChoices;

private:
    void Showing();
    void SelectFont(int fontSize);
    void FontSizeChange();
    void ApplyScreenSize();
    bool Below(TSize size) const;

    TSettings& Settings_;
    TMessages& Messages_;
    TSetupHost& Host_;
    int FontButton_ = 0;
    TScreenButton ScreenButton_ = TScreenButton::None;
    std::array<bool, 3> ScreenEnabled_{true, true, true};
    std::array<bool, 3> FontEnabled_{true, true, true};
    bool PanelChangeItVisible_ = true;
    int FontChanges_ = 0;
};

// Where the setup screen's parts go for a screen area of the given size. Text widths are those of
// the measuring captions in the screen's font.
struct TSetupLayout {
    TBounds PanelInfo;                    // left column: the two choice panels
    TBounds PanelText;                    // right column: the two instruction panels
    TBounds PanelScreenSize;              // in PanelInfo
    TBounds PanelFontSize;                // in PanelInfo
    TBounds PanelScreenInstruct;          // in PanelText
    TBounds PanelFontInstruct;            // in PanelText
    TBounds Title;                        // a choice panel's title label, in its panel
    std::array<TBounds, 3> ScreenRadios;  // in PanelScreenSize
    std::array<TBounds, 3> FontRadios;    // in PanelFontSize
};
TSetupLayout LayoutSetup(int width, int height, int screenTextWidth, int fontTextWidth,
                         int textHeight, int radioIndent);

}  // namespace xs
