// The program's one way to show a notice, ask for confirmation or offer a choice.
#pragma once

#include <array>
#include <string>

namespace xs {

enum class TButtons { OkOnly, OkCancel };

constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;
// ShowOptions returns 10, 20, .. 50 for the first to fifth option.
constexpr int OptionResult(int index) {
    return (index + 1) * 10;
}

using TOptionTexts = std::array<std::string, 5>;

// Texts are UTF-8; "\n\r" in a text is one line break.
class TMessages {
public:
    virtual ~TMessages() = default;
    // Returns 1 for "O.K.", 2 for "Cancel".
    virtual int ShowMsg(const std::string& text, TButtons buttons) = 0;
    // Offers the first `count` (1..5) options; returns 10..50, or 2 for "Cancel".
    virtual int ShowOptions(const std::string& text, int count, const TOptionTexts& options,
                            bool withPrintCheckBox, bool withCancel) = 0;
    // The print check box's state after the last ShowOptions that ended with an option.
    virtual bool PrintCurrentState() const = 0;
};

}  // namespace xs
