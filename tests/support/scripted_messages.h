// A message sink for tests: records every text and answers from a queue.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "storage/messages.h"

namespace xs::test {

class TScriptedMessages : public TMessages {
public:
    std::vector<std::string> Shown;
    std::vector<std::string> Offered;  // the options of each ShowOptions, joined by " | "
    std::deque<int> Answers;           // returned in order; kResultOk / first option when empty
    bool Print = false;

    int ShowMsg(const std::string& text, TButtons) override {
        Shown.push_back(text);
        return Next(kResultOk);
    }
    int ShowOptions(const std::string& text, int count, const TOptionTexts& options, bool,
                    bool) override {
        Shown.push_back(text);
        std::string joined;
        for (int i = 0; i < count; ++i) joined += (i > 0 ? " | " : "") + options[i];
        Offered.push_back(joined);
        return Next(OptionResult(0));
    }
    bool PrintCurrentState() const override { return Print; }

private:
    int Next(int otherwise) {
        if (Answers.empty()) return otherwise;
        const int a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

}  // namespace xs::test
