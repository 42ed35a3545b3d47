// Message dialog layout and button logic.
#include "shell/show_msg_layout.h"

#include <algorithm>
#include <vector>

#include "storage/messages.h"

namespace xs {

namespace {

constexpr int kPanelInset = 5;    // the navy border around the yellow panel
constexpr int kMessageLeft = 20;  // also the option list's left
constexpr int kMessageTop = 20;
constexpr int kMinPanelWidth = 400;
constexpr int kMaxOneLineWidth = 600;  // panel width up to which a message stays on one line
constexpr int kWrappedPanelWidth = 650;
constexpr int kWrapWidth = 610;
constexpr int kGap = 10;  // between stacked controls of the options layout

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

int WidestLine(const std::vector<std::string_view>& lines, const TMsgMetrics& m) {
    int widest = 0;
    for (std::string_view line : lines) widest = std::max(widest, m.TextWidth(line));
    return widest;
}

int WrappedHeight(std::string_view text, const std::vector<std::string_view>& lines, int width,
                  const TMsgMetrics& m) {
    if (m.WrappedHeight) return m.WrappedHeight(text, width);
    int count = 0;
    for (std::string_view line : lines) {
        const int w = m.TextWidth(line);
        count += std::max(1, (w + width - 1) / width);
    }
    return count * m.LineHeight;
}

void PlaceButtons(TMsgLayout& l, int top, bool withCancel, bool okAtRight, const TMsgMetrics& m) {
    const int panelWidth = l.Panel.Width;
    l.Ok = {0, top, m.OkWidth, m.ButtonHeight};
    l.CancelShown = withCancel;
    if (withCancel) {
        // "Cancel" stands left of "O.K.", the two spread evenly over the panel.
        const int gap = (panelWidth - m.CancelWidth - m.OkWidth) / 3;
        l.Cancel = {gap, top, m.CancelWidth, m.ButtonHeight};
        l.Ok.Left = 2 * gap + m.CancelWidth;
    } else if (okAtRight) {
        l.Ok.Left = panelWidth - 10 - m.OkWidth;
    } else {
        l.Ok.Left = (panelWidth - m.OkWidth) / 2;
    }
}

void FinishFrame(TMsgLayout& l, const TBounds& main) {
    l.Panel.Left = kPanelInset;
    l.Panel.Top = kPanelInset;
    l.Panel.Height = l.Ok.Bottom() + 8;
    l.Form.Width = l.Panel.Width + 2 * kPanelInset;
    l.Form.Height = l.Panel.Height + 2 * kPanelInset;
    l.Form.Left = main.Left + (main.Width - l.Form.Width) / 2;
    l.Form.Top = main.Top + (main.Height - l.Form.Height) / 2;
}

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool pair = i + 1 < text.size() && ((c == '\n' && text[i + 1] == '\r') ||
                                                  (c == '\r' && text[i + 1] == '\n'));
        if (pair) {
            out.push_back('\n');
            ++i;
        } else {
            out.push_back(c == '\r' ? '\n' : c);
        }
    }
    return out;
}

int OptionListHeight(int count) {
    static constexpr std::array<int, kMaxOptions> kHeights{110, 150, 170, 200, 230};
    return kHeights[static_cast<std::size_t>(std::clamp(count, 1, kMaxOptions) - 1)];
}

TMsgLayout LayoutShowMsg(std::string_view text, bool withCancel, const TMsgMetrics& metrics,
                         const TBounds& main) {
    const std::string normalized = NormalizeLineBreaks(text);
    const std::vector<std::string_view> lines = SplitLines(normalized);
    const int textWidth = WidestLine(lines, metrics);

    TMsgLayout l;
    const int needed = 2 * kMessageLeft + textWidth;
    if (needed <= kMaxOneLineWidth) {
        l.Panel.Width = std::max(needed, kMinPanelWidth);
        l.Message.Width = textWidth;
        l.Message.Height = static_cast<int>(lines.size()) * metrics.LineHeight;
    } else {
        l.Panel.Width = kWrappedPanelWidth;
        l.Message.Width = kWrapWidth;
        l.MessageWrapped = true;
        l.Message.Height = WrappedHeight(normalized, lines, kWrapWidth, metrics);
    }
    l.Message.Left = (l.Panel.Width - l.Message.Width) / 2;
    l.Message.Top = kMessageTop;

    PlaceButtons(l, l.Message.Bottom() + 20, withCancel, false, metrics);
    FinishFrame(l, main);
    return l;
}

TMsgLayout LayoutShowOptions(std::string_view text, int count, bool withPrint, bool withCancel,
                             const TMsgMetrics& metrics, const TBounds& main) {
    count = std::clamp(count, 1, kMaxOptions);
    const std::string normalized = NormalizeLineBreaks(text);
    const std::vector<std::string_view> lines = SplitLines(normalized);

    TMsgLayout l;
    l.OptionsShown = true;
    const int listWidth = metrics.TestWidth;
    l.Panel.Width = listWidth + 2 * kMessageLeft;

    l.Message = {kMessageLeft, kMessageTop, l.Panel.Width - 2 * kMessageLeft, 0};
    // A message wider than the option list is wrapped rather than cut off.
    if (WidestLine(lines, metrics) > l.Message.Width) {
        l.MessageWrapped = true;
        l.Message.Height = WrappedHeight(normalized, lines, l.Message.Width, metrics);
    } else {
        l.Message.Height = static_cast<int>(lines.size()) * metrics.LineHeight;
    }

    l.Options = {kMessageLeft, l.Message.Bottom() + kGap, listWidth, OptionListHeight(count)};
    // Items share the list's height below its caption, each centred in its share.
    const int itemsTop = metrics.LineHeight + 4;
    const int share = (l.Options.Height - itemsTop - 6) / count;
    const int itemHeight = std::min(share, metrics.LineHeight + 6);
    for (int i = 0; i < count; ++i) {
        l.OptionItems[static_cast<std::size_t>(i)] = {
            12, itemsTop + i * share + (share - itemHeight) / 2, listWidth - 24, itemHeight};
    }
    int bottom = l.Options.Bottom();

    l.PrintShown = withPrint;
    if (withPrint) {
        l.Print = {kMessageLeft, bottom + kGap, listWidth, metrics.LineHeight + 10};
        bottom = l.Print.Bottom();
    }
    l.NoOption = {kMessageLeft, bottom + kGap, l.Panel.Width - 2 * kMessageLeft,
                  metrics.LineHeight};
    bottom = l.NoOption.Bottom();

    PlaceButtons(l, bottom + kGap, withCancel, true, metrics);
    FinishFrame(l, main);
    return l;
}

void TShowMsgState::StartMessage(bool withCancel) {
    Options = false;
    Count = 0;
    Print = false;
    PrintChecked = false;
    Cancel = withCancel;
    NoOption = false;
    SelectedIndex = -1;
}

void TShowMsgState::StartOptions(int count, bool withPrint, bool withCancel) {
    Options = true;
    Count = std::clamp(count, 1, kMaxOptions);
    Print = withPrint;
    PrintChecked = false;
    Cancel = withCancel;
    NoOption = false;
    SelectedIndex = -1;
}

void TShowMsgState::ChooseOption(int index) {
    if (!Options || index < 0 || index >= Count) return;
    SelectedIndex = index;
    NoOption = false;
}

std::optional<int> TShowMsgState::PressOk() {
    if (!Options) return kResultOk;
    if (SelectedIndex < 0) {
        NoOption = true;
        return std::nullopt;
    }
    // Only a chosen option changes the print flag: a dialog left with "Cancel" changes nothing.
    PrintState = Print && PrintChecked;
    return OptionResult(SelectedIndex);
}

std::optional<int> TShowMsgState::PressCancel() {
    if (!Cancel) return std::nullopt;
    return kResultCancel;
}

}  // namespace xs
