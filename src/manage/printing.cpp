// Sending printed pages to a printer or a PDF file.
#include "manage/printing.h"

#include <QBuffer>
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
#include "platform/ui_text.h"

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
        return Said(UiText("the folder %1 does not exist"), folder.filePath());
    }
    if (file.exists() && !file.isWritable()) {
        return Said(UiText("the file %1 cannot be written to"), file.filePath());
    }
    if (!file.exists() && !folder.isWritable()) {
        return Said(UiText("the folder %1 cannot be written to"), folder.filePath());
    }
    return Said(UiText("the file %1 could not be written"), file.filePath());
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
        const bool ended = Painter.end();
        const auto* printer = dynamic_cast<const QPrinter*>(&Device);
        return ended && (printer == nullptr || printer->printerState() != QPrinter::Error);
    }
    TCanvas& Canvas() override { return *Surface; }
    int PageWidth() override { return Device.width(); }
    int PageHeight() override { return Device.height(); }

    std::string FailureReason() override {
        const auto* printer = dynamic_cast<const QPrinter*>(&Device);
        if (printer == nullptr) return UiText("the document could not take the page").toStdString();
        if (printer->outputFormat() == QPrinter::PdfFormat) {
            return FileProblem(printer->outputFileName());
        }
        const QString name = printer->printerName();
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        if (info.isNull()) return Said(UiText("the printer %1 is not available"), name);
        if (printer->printerState() == QPrinter::Error || info.state() == QPrinter::Error) {
            return Said(UiText("the printer %1 reports an error"), name);
        }
        if (printer->printerState() == QPrinter::Aborted)
            return UiText("the print job was cancelled").toStdString();
        switch (Step) {
            case TSendStep::NewPage:
                return Said(UiText("the printer %1 did not take another page"), name);
            case TSendStep::EndJob:
                return Said(UiText("the job could not be sent to the printer %1"), name);
            default:
                return Said(UiText("the printer %1 did not begin the job"), name);
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

// Puts the bytes into the file and checks what arrived; the reason when they did not all arrive.
// A file, or a new one, is replaced only by a complete new file; anything else that is there (a
// device, a pipe) is written directly.
std::string WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
    const QFileInfo info(fileName);
    const auto failed = [&](const QFileDevice& file) {
        return Said(
            UiText("the file %1 could not be written (") + file.errorString() + QLatin1Char(')'),
            fileName);
    };
    if (info.exists() && !info.isFile()) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly)) return FileProblem(fileName);
        if (file.write(bytes) != bytes.size() || !file.flush()) return failed(file);
        file.close();
        return file.error() == QFileDevice::NoError ? std::string() : failed(file);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return FileProblem(fileName);
    if (file.write(bytes) != bytes.size() || !file.commit()) return failed(file);
    const qint64 size = QFileInfo(fileName).size();
    if (size != bytes.size()) {
        return Said(
            UiText("the file %1 holds %2 of its %3 bytes")
                .arg(QStringLiteral("%1"), QString::number(size), QString::number(bytes.size())),
            fileName);
    }
    return {};
}

// The pages as one PDF document on the sheet, a quarter of an inch from its edges, then the file.
TSendResult SendPdf(const QString& fileName, const TPageSource& source, int dpi,
                    const QPageSize& sheet) {
    QByteArray bytes;
    TSendResult sent;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromLatin1(kPrintJobTitle));
        writer.setCreator(QString::fromLatin1(kPrintJobTitle));
        writer.setResolution(dpi);
        writer.setPageSize(sheet);
        writer.setPageMargins(QMarginsF(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin),
                              QPageLayout::Inch);
        sent = SendPages(writer, source, true);
    }
    if (!sent.Ok()) return sent;
    if (std::string reason = WriteWholeFile(fileName, bytes); !reason.empty()) {
        sent = {TSendStep::EndJob, 1, std::move(reason)};
    }
    return sent;
}

}  // namespace

TSendResult SendPages(QPagedPaintDevice& device, const TPageSource& source, bool oneDocument) {
    TDevicePrintTarget target(device);
    return SendPages(target, source, oneDocument);
}

bool SendPagesOrSay(QPagedPaintDevice& device, TMessages& messages, const TPageSource& source,
                    bool oneDocument) {
    // A printer that writes a file gets the file the companion writes: the same margins, and
    // every byte checked once the file is closed.
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    const TSendResult result =
        printer != nullptr && printer->outputFormat() == QPrinter::PdfFormat
            ? SendPdf(printer->outputFileName(), source, printer->resolution(),
                      printer->pageLayout().pageSize())
            : SendPages(device, source, oneDocument);
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
    const TSendResult sent =
        SendPdf(fileName, source, dpi,
                QPageSize(paper == TPaper::Letter ? QPageSize::Letter : QPageSize::A4));
    if (sent.Ok()) return true;
    error = QString::fromStdString(sent.Reason);
    if (sent.Failed != TSendStep::EndJob) {
        error = UiText("page %1 could not be written: %2").arg(sent.Page).arg(error);
    }
    return false;
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
