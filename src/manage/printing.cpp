// Sending printed pages to a printer or a PDF file.
#include "manage/printing.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "manage/single_print.h"
#include "model/slot_check.h"
#include "platform/qt_canvas.h"

namespace xs {

const char* const kPrintJobTitle = "Velmor Cross Sums Puzzles";

namespace {

// Most printers cannot put ink nearer the edge of the sheet than this, in inches.
constexpr double kPdfMargin = 0.25;

}  // namespace

int PrintScale(int pageWidth) {
    return std::max(1, pageWidth / 550);
}

bool SendPages(QPagedPaintDevice& device, const TPageSource& source, bool oneDocument) {
    if (source.Plan == nullptr) return true;
    QPainter painter;
    for (const TPrintRun& run : PrintRuns(*source.Plan)) {
        const QPageLayout::Orientation orientation =
            run.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        if (painter.isActive() && oneDocument) {
            device.setPageOrientation(orientation);
            if (!device.newPage()) return false;
        } else {
            if (painter.isActive()) painter.end();
            device.setPageOrientation(orientation);
            if (!painter.begin(&device)) return false;
        }
        TQtCanvas canvas(painter);
        for (int page = run.FirstPage; page <= run.LastPage; ++page) {
            if (page > run.FirstPage && !device.newPage()) return false;
            const int width = device.width();
            RenderPage(canvas, {width, device.height(), PrintScale(width), page}, source);
        }
    }
    if (painter.isActive()) return painter.end();
    return true;
}

TPaper LocalePaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? TPaper::Letter
                                                                              : TPaper::A4;
}

bool WritePdf(const QString& fileName, const TPageSource& source, int dpi, TPaper paper,
              QString& error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromLatin1(kPrintJobTitle));
        writer.setCreator(QString::fromLatin1(kPrintJobTitle));
        writer.setResolution(dpi);
        writer.setPageSize(QPageSize(paper == TPaper::Letter ? QPageSize::Letter : QPageSize::A4));
        writer.setPageMargins(QMarginsF(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin),
                              QPageLayout::Inch);
        if (!SendPages(writer, source, true)) {
            file.cancelWriting();
            error = QStringLiteral("the PDF pages could not be drawn");
            return false;
        }
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool PrintWithDialog(QWidget* parent, const TPageSource& source, bool& printing) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kPrintJobTitle));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromLatin1(kPrintJobTitle));
    if (dialog.exec() != QDialog::Accepted) return false;
    printing = true;
    // A file holds every page in one document; a new job would write over the earlier pages.
    SendPages(printer, source, printer.outputFormat() == QPrinter::PdfFormat);
    printing = false;
    return true;
}

bool PrintWorkingPuzzle(QWidget* parent, TMessages& messages, TSettings& settings,
                        const TPuzzleLibrary& library, const TWorkingCopy& work,
                        const TSendPages& send) {
    const int slot = work.CurrentSlot;
    if (slot < 1 || slot > UsedSlots(library.Counts) ||
        ClassifySlot(library, slot) != TSlotState::Valid) {
        return false;
    }
    const std::optional<TSinglePrintChoice> choice = AskSinglePrint(messages, work, settings);
    if (!choice) return false;
    const TPrintPlan plan = SinglePuzzlePlan(choice->How);
    const TPageSource source =
        SinglePrintSource(plan, library, work, choice->CurrentState, settings.PrintColors);
    bool printing = false;
    if (send) return send(source, printing);
    return PrintWithDialog(parent, source, printing);
}

}  // namespace xs
