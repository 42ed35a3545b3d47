// Sending the pages of a plan to a printer job by job.
#include "manage/print_send.h"

#include <algorithm>

#include "model/translate.h"

namespace xs {

int PrintScale(int pageWidth) {
    return std::max(1, pageWidth / 550);
}

TSendResult SendPages(TPrintTarget& target, const TPageSource& source, bool oneDocument) {
    TSendResult result;
    if (source.Plan == nullptr) return result;
    const auto failed = [&](TSendStep step, int page) {
        result = {step, page, target.FailureReason()};
        return result;
    };
    bool running = false;
    int jobFirstPage = 0;
    for (const TPrintRun& run : PrintRuns(*source.Plan)) {
        for (int page = run.FirstPage; page <= run.LastPage; ++page) {
            if (running && (oneDocument || page > run.FirstPage)) {
                if (!target.NewPage(run.Landscape)) {
                    failed(TSendStep::NewPage, page);
                    if (!target.EndJob()) result.LostFrom = jobFirstPage;
                    return result;
                }
            } else {
                if (running && !target.EndJob()) return failed(TSendStep::EndJob, jobFirstPage);
                running = false;
                if (!target.BeginJob(run.Landscape)) return failed(TSendStep::BeginJob, page);
                running = true;
                jobFirstPage = page;
            }
            const int width = target.PageWidth();
            RenderPage(target.Canvas(), {width, target.PageHeight(), PrintScale(width), page},
                       source);
        }
    }
    if (running && !target.EndJob()) return failed(TSendStep::EndJob, jobFirstPage);
    return result;
}

std::string PrintFailureText(const TSendResult& result, int pageCount) {
    if (result.Ok()) return {};
    const std::string last = std::to_string(pageCount);
    const std::string reason =
        result.Reason.empty() ? Tr("Texts", "the printer gave no reason") : result.Reason;
    // Whole sentences of the player's language, each filled with its numbers.
    std::string text = Fill(Tr("Texts", "Printing stopped at page %1 of %2: %3.\n\r"),
                            {std::to_string(result.Page), last, reason});
    const int lost = result.LostFrom > 0 ? result.LostFrom : result.Page;
    if (result.LostFrom > 0)
        text += Tr("Texts", "The pages before it in the same job were not sent either.\n\r");
    if (lost >= pageCount) return text + Fill(Tr("Texts", "Page %1 was not printed."), {last});
    return text +
           Fill(Tr("Texts", "Pages %1 to %2 were not printed."), {std::to_string(lost), last});
}

}  // namespace xs
