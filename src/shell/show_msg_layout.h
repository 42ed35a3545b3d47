// Sizes and positions of the message dialog and its button logic, computed without widgets.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shell/bounds.h"

namespace xs {

// "\n\r" is the program's line break; "\r\n" and a lone "\r" are taken as one too.
std::string NormalizeLineBreaks(std::string_view text);

// What the layout needs to know about the dialog's font and controls.
struct TMsgMetrics {
    // Width of one line of text (no line breaks) in the dialog's font.
    std::function<int(std::string_view line)> TextWidth;
    // Height of a text broken into lines at `width`; when empty, each line is taken to wrap
    // into as many lines as its width needs.
    std::function<int(std::string_view text, int width)> WrappedHeight;
    int LineHeight = 13;
    int TestWidth = 400;  // width of the option list's sample text
    int OkWidth = 75;
    int CancelWidth = 75;
    int ButtonHeight = 25;
};

constexpr int kMaxOptions = 5;

struct TMsgLayout {
    TBounds Form;   // screen coordinates
    TBounds Panel;  // in the form
    // The rest in the panel.
    TBounds Message;
    bool MessageWrapped = false;
    bool OptionsShown = false;
    TBounds Options;
    std::array<TBounds, kMaxOptions> OptionItems{};  // in the option list; first `count` used
    bool PrintShown = false;
    TBounds Print;
    TBounds NoOption;  // place kept for the "No option selected" line
    TBounds Ok;
    bool CancelShown = false;
    TBounds Cancel;
};

// Height of the option list for 1..5 options.
int OptionListHeight(int count);

// `text` as given by the caller (line breaks not yet normalized); `main` is the main window's
// frame in screen coordinates, the dialog is centred over it.
TMsgLayout LayoutShowMsg(std::string_view text, bool withCancel, const TMsgMetrics& metrics,
                         const TBounds& main);
TMsgLayout LayoutShowOptions(std::string_view text, int count, bool withPrint, bool withCancel,
                             const TMsgMetrics& metrics, const TBounds& main);

// What the dialog's buttons and keys do, apart from any widget.
class TShowMsgState {
public:
    void StartMessage(bool withCancel);
    void StartOptions(int count, bool withPrint, bool withCancel);

    void ChooseOption(int index);  // 0-based
    void SetPrintChecked(bool checked) { PrintChecked = checked; }

    // Each returns the dialog's result when it closes, nothing when it stays open.
    std::optional<int> PressOk();
    std::optional<int> PressCancel();
    std::optional<int> PressEscape() { return PressCancel(); }

    bool OptionsShown() const { return Options; }
    bool CancelShown() const { return Cancel; }
    bool NoOptionShown() const { return NoOption; }
    int Selected() const { return SelectedIndex; }
    bool PrintCurrentState() const { return PrintState; }

private:
    bool Options = false;
    int Count = 0;
    bool Print = false;
    bool PrintChecked = false;
    bool Cancel = false;
    bool NoOption = false;
    int SelectedIndex = -1;
    bool PrintState = false;
};

}  // namespace xs
