// The time on a puzzle under a clock the test moves, and the sums over solved puzzles.
#include "progress/play_timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progress/progress_summary.h"

namespace xs {
namespace {

// '+' moves the clock by Arg ms; 's' shows with Arg counted; 'h' hides; 'i' / 'a' the window
// inactive / active; 'k' a key or click; 'r' the reset.
struct TStep {
    char Op;
    std::int64_t Arg = 0;
};

TEST(PlayTimer, CountsOnlyWhileShownActiveAndNotIdle) {
    const struct {
        const char* Name;
        std::vector<TStep> Steps;
        std::int64_t Counted;
        bool Running;
    } cases[] = {
        {"shown and active", {{'s'}, {'+', 5000}}, 5000, true},
        {"reopened with time kept", {{'s', 60000}, {'+', 1000}}, 61000, true},
        {"inactive window", {{'s'}, {'+', 1000}, {'i'}, {'+', 5000}}, 1000, false},
        {"inactive then back",
         {{'s'}, {'+', 1000}, {'i'}, {'+', 5000}, {'a'}, {'+', 1000}},
         2000,
         true},
        {"another screen then back",
         {{'s'}, {'+', 1000}, {'h'}, {'+', 9000}, {'s', 1000}, {'+', 500}},
         1500,
         true},
        {"idle stops two minutes after the last key",
         {{'s'}, {'+', 10000}, {'k'}, {'+', 300000}},
         130000,
         false},
        {"one ms short of idle", {{'s'}, {'+', 119999}}, 119999, true},
        {"a key after idling starts again",
         {{'s'}, {'+', 300000}, {'k'}, {'+', 3000}},
         123000,
         true},
        {"hidden while idle", {{'s'}, {'+', 300000}, {'h'}, {'s', 120000}, {'+', 1}}, 120001, true},
        {"inactive while idle is not counted twice",
         {{'s'}, {'+', 60000}, {'i'}, {'+', 300000}, {'a'}, {'+', 1000}},
         61000,
         true},
        {"reset", {{'s', 50000}, {'+', 5000}, {'r'}, {'+', 1000}}, 1000, true},
        {"reset while hidden", {{'s'}, {'+', 5000}, {'h'}, {'r'}, {'+', 1000}}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::int64_t now = 1000000;
        TPlayTimer timer([&] { return now; });
        for (const TStep& step : c.Steps) {
            switch (step.Op) {
                case '+':
                    now += step.Arg;
                    break;
                case 's':
                    timer.Show(step.Arg);
                    break;
                case 'h':
                    timer.Hide();
                    break;
                case 'i':
                    timer.SetWindowActive(false);
                    break;
                case 'a':
                    timer.SetWindowActive(true);
                    break;
                case 'k':
                    timer.Activity();
                    break;
                case 'r':
                    timer.Reset();
                    break;
            }
        }
        EXPECT_EQ(timer.Counted(), c.Counted);
        EXPECT_EQ(timer.Running(), c.Running);
    }
}

TEST(PlayTimer, TimesReadAsMinutesAndHours) {
    char buffer[24];
    EXPECT_STREQ(FormatPlayTime(7999, buffer), "0:07");
    EXPECT_STREQ(FormatPlayTime(754000, buffer), "12:34");
    EXPECT_STREQ(FormatPlayTime(3723000, buffer), "1:02:03");
}

TSolvedRecord Row(int size, int stars, std::int64_t millis, THintCounts hints = {}) {
    TSolvedRecord row;
    row.Size = size;
    row.Stars = stars;
    row.Millis = millis;
    row.Unaided = hints.empty();
    row.Hints = std::move(hints);
    return row;
}

TEST(ProgressSummary, LevelsTechniquesAndTheLatestPuzzles) {
    std::vector<TSolvedRecord> rows = {
        Row(0, 2, 400000, {{"Crossing", 1}}),
        Row(3, 1, 90000),
        Row(0, 2, 200000, {{"Crossing", 2}, {"Sum range", 1}}),
        Row(0, 2, 300000),
        Row(0, 2, 100000, {{"Sum range", 4}}),
    };
    for (int i = 0; i < 30; ++i) rows.push_back(Row(3, 1, 100000 + i));
    // Hints of a puzzle still in play count among the techniques asked for, not in the levels.
    const TProgressSummary summary = Summarise(rows, {{"Crossing", 4}});
    ASSERT_EQ(summary.Levels.size(), 2u);
    // Mini before Small.
    EXPECT_EQ(summary.Levels[0].Size, 3);
    EXPECT_EQ(summary.Levels[0].Solved, 31);
    EXPECT_EQ(summary.Levels[0].BestMillis, 90000);
    EXPECT_EQ(summary.Levels[0].MedianMillis, 100014);
    EXPECT_EQ(summary.Levels[1].Solved, 4);
    EXPECT_EQ(summary.Levels[1].MedianMillis, 200000);
    EXPECT_DOUBLE_EQ(summary.Levels[1].HintsPerPuzzle, 2.0);
    ASSERT_EQ(summary.Techniques.size(), 2u);
    EXPECT_EQ(summary.Techniques[0].Technique, "Crossing");
    EXPECT_EQ(summary.Techniques[0].Count, 7);
    EXPECT_EQ(summary.Techniques[1].Count, 5);
    ASSERT_EQ(summary.Recent.size(), 20u);
    EXPECT_EQ(summary.Recent[0].Millis, 100029);
}

TEST(ProgressSummary, TheSolvedLineSaysTheTimeHintsAndABest) {
    const std::vector<TSolvedRecord> earlier = {Row(1, 3, 600000), Row(0, 3, 100000)};
    const struct {
        TSolvedRecord Record;
        const char* Time;
        const char* Best;
    } cases[] = {
        {Row(1, 3, 599999), "Solved in 9:59 without help.", "Your best time for Medium 3 star !"},
        {Row(1, 3, 600000, {{"Crossing", 1}}), "Solved in 10:00 with 1 hint.", ""},
        {Row(1, 4, 3600000, {{"Crossing", 1}, {"Sum range", 2}}), "Solved in 1:00:00 with 3 hints.",
         "Your best time for Medium 4 star !"},
    };
    for (const auto& c : cases) {
        const TSolvedLines lines = SolvedLinesFor(c.Record, earlier);
        EXPECT_EQ(lines.Time, c.Time);
        EXPECT_EQ(lines.Best, c.Best);
    }
}

}  // namespace
}  // namespace xs
