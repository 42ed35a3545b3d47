// Sending printed pages to a printer or a PDF file: orientation per page, the scale from the page
// width, and Qt's print dialog.
#pragma once

#include <QString>
#include <functional>

#include "manage/print_render.h"
#include "manage/print_send.h"
#include "storage/messages.h"
#include "storage/settings.h"

class QPagedPaintDevice;
class QWidget;

namespace xs {

extern const char* const kPrintJobTitle;

// SendPages (print_send.h) onto a printer or a PDF writer: a job is a painter's run on the device.
// A failure's reason names the printer, or the file a printer writes.
TSendResult SendPages(QPagedPaintDevice& device, const TPageSource& source, bool oneDocument);

// Sends the pages and, when printing stops, tells the player where and why. Returns whether
// every page went out. A printer that writes a PDF file writes it as WritePdf does, on the sheet
// the player chose, and the file is checked once it is closed: a file that did not take every
// byte (a full disk, /dev/full) stops printing at page 1.
bool SendPagesOrSay(QPagedPaintDevice& device, TMessages& messages, const TPageSource& source,
                    bool oneDocument);

// The sheet a PDF file is laid out on.
enum class TPaper { A4, Letter };
// The locale's paper, as Qt reports the locale: Letter where it measures in US units, else A4.
TPaper LocalePaper();

// The pages as a PDF file at `dpi` on the paper, written whole or not at all. The pages keep a
// quarter of an inch from every edge of the sheet, as a printer's printable area does, so the
// file prints without losing the frames. On failure `error` says why.
bool WritePdf(const QString& fileName, const TPageSource& source, int dpi, TPaper paper,
              QString& error);

// Qt's print dialog (printers, or a PDF file), then the pages. `printing` is true while pages
// are being sent. Returns false when the dialog was cancelled or printing stopped (the player has
// been told why). A plan with no pages prints nothing.
bool PrintWithDialog(QWidget* parent, TMessages& messages, const TPageSource& source,
                     bool& printing);

// Sends pages and says whether they all went out (false: cancelled, or printing stopped).
using TSendPages = std::function<bool(const TPageSource& source, bool& printing)>;

// The solve screen's print buttons: asks whether to print the puzzle alone, with its answer on
// the same page or on a page of its own (and, when the player has entered digits, whether to
// print them), then prints the working copy's puzzle. `send` defaults to the print dialog.
// Returns whether pages were sent; nothing is asked when the working copy's slot holds no
// printable puzzle.
bool PrintWorkingPuzzle(QWidget* parent, TMessages& messages, TSettings& settings,
                        const TPuzzleLibrary& library, const TWorkingCopy& work,
                        const TSendPages& send = {});

}  // namespace xs
