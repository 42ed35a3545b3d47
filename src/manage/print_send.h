// Sending the pages of a plan to a printer job by job, and what the player is told when a job or
// a page cannot be printed.
#pragma once

#include <string>

#include "manage/print_render.h"

namespace xs {

// The scale of lines and margins on a page of that many device pixels across; at least 1.
int PrintScale(int pageWidth);

// A printer, or a document of pages, as pages are sent to it.
class TPrintTarget {
public:
    virtual ~TPrintTarget() = default;
    // Begins a job whose first page lies across (landscape) or stands upright. False when the job
    // cannot begin.
    virtual bool BeginJob(bool landscape) = 0;
    // Adds a page, across or upright, to the running job. False when it cannot.
    virtual bool NewPage(bool landscape) = 0;
    // Ends the running job, which sends it to the printer. False when it could not be sent.
    virtual bool EndJob() = 0;
    // The running job's drawing surface and the size of its pages in device pixels.
    virtual TCanvas& Canvas() = 0;
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;
    // Why the last step failed, for the player: "the printer "Office" is not available".
    virtual std::string FailureReason() = 0;
};

// The step of a failed printing, and the first page it kept from the paper: the page that could
// not begin, or the first page of the job that could not be sent. When a page could not be added
// and its job could not be sent either, LostFrom is that job's first page.
enum class TSendStep { None, BeginJob, NewPage, EndJob };
struct TSendResult {
    TSendStep Failed = TSendStep::None;
    int Page = 0;
    std::string Reason;
    int LostFrom = 0;  // 0: the pages from Page on were lost
    bool Ok() const { return Failed == TSendStep::None; }
};

// Draws pages 1..PageCount of the source onto the target, each in the orientation its capacity
// asks for. With oneDocument every page goes into the one job (a file keeps them all); otherwise
// a new job begins wherever the orientation changes, as printers need. Stops at the first step
// that fails; a page that cannot be added still ends its job, so the pages before it go out
// unless that fails too.
TSendResult SendPages(TPrintTarget& target, const TPageSource& source, bool oneDocument);

// What the player is told when printing stopped: at which page of pageCount, why, and which
// pages were not printed.
std::string PrintFailureText(const TSendResult& result, int pageCount);

}  // namespace xs
