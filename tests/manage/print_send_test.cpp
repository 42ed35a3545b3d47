// Sending pages job by job: where printing stops when a job cannot begin, a page cannot be added
// or a job cannot be sent, and what the player is told.
#include "manage/print_send.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "support/recording_canvas.h"

namespace xs {
namespace {

// A printer that writes down what it is asked ("B" begin a job, "N" add a page, "E" end the job,
// with "L" across or "P" upright and the page drawn) and refuses its n-th step of one kind.
class TFakePrinter : public TPrintTarget {
public:
    char FailKind = 0;
    int FailAt = 0;
    bool EndFailsAfter = false;  // once a step has failed, ending the job fails too
    std::string Log;

    bool BeginJob(bool landscape) override { return Step('B', landscape); }
    bool NewPage(bool landscape) override { return Step('N', landscape); }
    bool EndJob() override { return Step('E', std::nullopt); }
    TCanvas& Canvas() override {
        Log += "d ";
        return Surface;
    }
    int PageWidth() override { return 1100; }
    int PageHeight() override { return 850; }
    std::string FailureReason() override { return "the printer \"Office\" is out of paper"; }

private:
    bool Step(char kind, std::optional<bool> landscape) {
        Log += kind;
        if (landscape) Log += *landscape ? 'L' : 'P';
        const bool fails = (kind == FailKind && ++Seen[kind] == FailAt) ||
                           (kind == 'E' && EndFailsAfter && Failed);
        Failed = Failed || fails;
        Log += fails ? "! " : " ";
        return !fails;
    }
    test::TRecordingCanvas Surface;
    std::map<char, int> Seen;
    bool Failed = false;
};

// Pages 1-2 across, 3-4 upright, 5 across.
TPrintPlan FivePages() {
    TPrintPlan plan;
    plan.PageCount = 5;
    plan.PuzzlePages = 5;
    plan.Capacity[0] = plan.Capacity[1] = 4;
    plan.Capacity[2] = plan.Capacity[3] = 2;
    plan.Capacity[4] = 1;
    return plan;
}

TEST(SendPages, StopsAtTheStepThatFailsAndSaysWhichPagesWereNotPrinted) {
    struct Case {
        const char* Name;
        bool OneDocument;
        char FailKind;
        int FailAt;
        std::string Log;
        TSendStep Failed;
        int Page;
        bool EndFailsAfter = false;
        int LostFrom = 0;
    };
    const Case cases[] = {
        {"every page", false, 0, 0, "BL d NL d E BP d NP d E BL d E ", TSendStep::None, 0},
        {"one document", true, 0, 0, "BL d NL d NP d NP d NL d E ", TSendStep::None, 0},
        {"first job", false, 'B', 1, "BL! ", TSendStep::BeginJob, 1},
        {"second job", false, 'B', 2, "BL d NL d E BP! ", TSendStep::BeginJob, 3},
        {"last job", false, 'B', 3, "BL d NL d E BP d NP d E BL! ", TSendStep::BeginJob, 5},
        // A page that cannot be added still ends its job, so the pages before it go out.
        {"page in the second job", false, 'N', 2, "BL d NL d E BP d NP! E ", TSendStep::NewPage, 4},
        // ... unless the job cannot be sent either: then its first page is lost too.
        {"page and its job", false, 'N', 2, "BL d NL d E BP d NP! E! ", TSendStep::NewPage, 4, true,
         3},
        {"page turning upright", true, 'N', 2, "BL d NL d NP! E ", TSendStep::NewPage, 3},
        {"first job not sent", false, 'E', 1, "BL d NL d E! ", TSendStep::EndJob, 1},
        {"last job not sent", false, 'E', 3, "BL d NL d E BP d NP d E BL d E! ", TSendStep::EndJob,
         5},
    };
    const TPrintPlan plan = FivePages();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TFakePrinter printer;
        printer.FailKind = c.FailKind;
        printer.FailAt = c.FailAt;
        printer.EndFailsAfter = c.EndFailsAfter;
        const TSendResult result = SendPages(printer, {&plan}, c.OneDocument);
        EXPECT_EQ(result.LostFrom, c.LostFrom);
        EXPECT_EQ(printer.Log, c.Log);
        EXPECT_EQ(result.Failed, c.Failed);
        EXPECT_EQ(result.Page, c.Page);
        EXPECT_EQ(result.Reason, c.FailKind == 0 ? "" : "the printer \"Office\" is out of paper");
    }
}

TEST(SendPages, FailureTextNamesThePageTheReasonAndThePagesLeft) {
    struct Case {
        TSendStep Failed;
        int Page;
        const char* Reason;
        int PageCount;
        const char* Want;
        int LostFrom = 0;
    };
    const Case cases[] = {
        {TSendStep::BeginJob, 3, "the printer \"Office\" is not available", 5,
         "Printing stopped at page 3 of 5: the printer \"Office\" is not available.\n\r"
         "Pages 3 to 5 were not printed."},
        {TSendStep::NewPage, 4, "the folder \"/x\" does not exist", 4,
         "Printing stopped at page 4 of 4: the folder \"/x\" does not exist.\n\r"
         "Page 4 was not printed."},
        {TSendStep::EndJob, 1, "", 1,
         "Printing stopped at page 1 of 1: the printer gave no reason.\n\r"
         "Page 1 was not printed."},
        {TSendStep::None, 0, "", 3, ""},
        {TSendStep::NewPage, 4, "the printer \"Office\" did not take another page", 5,
         "Printing stopped at page 4 of 5: the printer \"Office\" did not take another page.\n\r"
         "The pages before it in the same job were not sent either.\n\r"
         "Pages 3 to 5 were not printed.",
         3},
    };
    for (const Case& c : cases) {
        TSendResult result;
        result.Failed = c.Failed;
        result.Page = c.Page;
        result.Reason = c.Reason;
        result.LostFrom = c.LostFrom;
        EXPECT_EQ(PrintFailureText(result, c.PageCount), c.Want);
    }
}

}  // namespace
}  // namespace xs
