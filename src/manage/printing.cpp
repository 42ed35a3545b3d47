// Sending printed pages to a printer or a PDF file.
#include "manage/printing.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <optional>
#include <string>

#include "manage/single_print.h"
#include "model/slot_check.h"
#include "platform/qt_canvas.h"

namespace xs {

const char* const kPrintJobTitle = "Velmor Cross Sums Puzzles";

namespace {

// Most printers cannot put ink nearer the edge of the sheet than this, in inches.
constexpr double kPdfMargin = 0.25;

std::string Said(const QString& text, const QString& name) {
    return text.arg(QLatin1Char('"') + name + QLatin1Char('"')).toStdString();
}

// Why a file cannot be written where it should go, as far as its folder and the file tell.
std::string FileProblem(const QString& fileName) {
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        return Said(QStringLiteral("the folder %1 does not exist"), folder.filePath());
    }
    if (file.exists() && !file.isWritable()) {
        return Said(QStringLiteral("the file %1 cannot be written to"), file.filePath());
    }
    if (!file.exists() && !folder.isWritable()) {
        return Said(QStringLiteral("the folder %1 cannot be written to"), folder.filePath());
    }
    return Said(QStringLiteral("the file %1 could not be written"), file.filePath());
}

// A painter's run on the device is one job.
class TDevicePrintTarget : public TPrintTarget {
public:
    explicit TDevicePrintTarget(QPagedPaintDevice& device) : Device(device) {}

    bool BeginJob(bool landscape) override {
        Step = TSendStep::BeginJob;
        Orient(landscape);
        if (!Painter.begin(&Device)) return false;
        Surface.emplace(Painter);
        return true;
    }
    bool NewPage(bool landscape) override {
        Step = TSendStep::NewPage;
        Orient(landscape);
        return Device.newPage();
    }
    bool EndJob() override {
        Step = TSendStep::EndJob;
        Surface.reset();
        return Painter.end();
    }
    TCanvas& Canvas() override { return *Surface; }
    int PageWidth() override { return Device.width(); }
    int PageHeight() override { return Device.height(); }

    std::string FailureReason() override {
        const auto* printer = dynamic_cast<const QPrinter*>(&Device);
        if (printer == nullptr) return "the document could not take the page";
        if (printer->outputFormat() == QPrinter::PdfFormat) {
            return FileProblem(printer->outputFileName());
        }
        const QString name = printer->printerName();
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        if (info.isNull()) return Said(QStringLiteral("the printer %1 is not available"), name);
        if (printer->printerState() == QPrinter::Error || info.state() == QPrinter::Error) {
            return Said(QStringLiteral("the printer %1 reports an error"), name);
        }
        if (printer->printerState() == QPrinter::Aborted) return "the print job was cancelled";
        switch (Step) {
            case TSendStep::NewPage:
                return Said(QStringLiteral("the printer %1 did not take another page"), name);
            case TSendStep::EndJob:
                return Said(QStringLiteral("the job could not be sent to the printer %1"), name);
            default:
                return Said(QStringLiteral("the printer %1 did not begin the job"), name);
        }
    }

private:
    void Orient(bool landscape) {
        Device.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    }

    QPagedPaintDevice& Device;
    QPainter Painter;
    std::optional<TQtCanvas> Surface;
    TSendStep Step = TSendStep::None;
};

}  // namespace

TSendResult SendPages(QPagedPaintDevice& device, const TPageSource& source, bool oneDocument) {
    TDevicePrintTarget target(device);
    return SendPages(target, source, oneDocument);
}

bool SendPagesOrSay(QPagedPaintDevice& device, TMessages& messages, const TPageSource& source,
                    bool oneDocument) {
    const TSendResult result = SendPages(device, source, oneDocument);
    if (result.Ok()) return true;
    const int pages = source.Plan != nullptr ? source.Plan->PageCount : 0;
    messages.ShowMsg(PrintFailureText(result, pages), TButtons::OkOnly);
    return false;
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
        const TSendResult sent = SendPages(writer, source, true);
        if (!sent.Ok()) {
            file.cancelWriting();
            error = QStringLiteral("page %1 could not be written: %2")
                        .arg(sent.Page)
                        .arg(QString::fromStdString(sent.Reason));
            return false;
        }
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool PrintWithDialog(QWidget* parent, TMessages& messages, const TPageSource& source,
                     bool& printing) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kPrintJobTitle));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromLatin1(kPrintJobTitle));
    if (dialog.exec() != QDialog::Accepted) return false;
    printing = true;
    // A file holds every page in one document; a new job would write over the earlier pages.
    const bool sent =
        SendPagesOrSay(printer, messages, source, printer.outputFormat() == QPrinter::PdfFormat);
    printing = false;
    return sent;
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
    return PrintWithDialog(parent, messages, source, printing);
}

}  // namespace xs
