// The QPainter drawing surface puts its pixels where the layouts expect them; font faces map
// to installed families.
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <array>

#include "platform/fonts.h"
#include "platform/qt_canvas.h"

namespace xs {

namespace {

constexpr TColor kPaper{0xFFFFFF};
constexpr TColor kInk{0x102030};

QImage Blank(int w = 40, int h = 30) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQColor(kPaper));
    return image;
}

TColor At(const QImage& image, int x, int y) {
    return TColor{static_cast<std::uint32_t>(image.pixel(x, y) & 0xFFFFFF)};
}

// Pixels of `image` that differ from paper, outside `inside`.
int ChangedOutside(const QImage& image, const TRect& inside) {
    int changed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool in =
                x >= inside.Left && x < inside.Right && y >= inside.Top && y < inside.Bottom;
            if (!in && At(image, x, y) != kPaper) ++changed;
        }
    }
    return changed;
}

}  // namespace

class CanvasTest : public QObject {
    Q_OBJECT

private slots:
    void FacesMapToOneFamily_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("family");
        QTest::newRow("screen face") << "MS Sans Serif"
                                     << "DejaVu Sans Condensed";
        QTest::newRow("small face") << "Small Fonts"
                                    << "DejaVu Sans Condensed";
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans";
        QTest::newRow("misspelt Arial") << "Ariel"
                                        << "Liberation Sans";
        QTest::newRow("narrow") << "Arial Narrow"
                                << "Liberation Sans Narrow";
        QTest::newRow("unknown passes through") << "Courier"
                                                << "Courier";
    }
    void FacesMapToOneFamily() {
        QFETCH(QString, face);
        QFETCH(QString, family);
        const QByteArray utf8 = face.toUtf8();
        QCOMPARE(FontFamilyFor(std::string_view(utf8.constData(), utf8.size())), family);
    }

    void EveryProgramFaceIsInstalled() {
        for (const char* face :
             {"MS Sans Serif", "Small Fonts", "Arial", "Ariel", "Arial Narrow"}) {
            QVERIFY2(FontFaceInstalled(face), face);
        }
    }

    void FillRectCoversLeftTopButNotRightBottom() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetBrush(kInk);
            canvas.FillRect({2, 3, 10, 8});
        }
        QCOMPARE(At(image, 2, 3), kInk);
        QCOMPARE(At(image, 9, 7), kInk);
        QCOMPARE(At(image, 10, 7), kPaper);
        QCOMPARE(At(image, 9, 8), kPaper);
        QCOMPARE(ChangedOutside(image, {2, 3, 10, 8}), 0);
    }

    void ClearedBrushFillsNothing() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetBrush(kInk);
            canvas.ClearBrush();
            canvas.FillRect({0, 0, 40, 30});
            canvas.TextOut(2, 2, "Xy");
            canvas.SetBrush(kInk);  // a brush set again is used again
            canvas.FillRect({0, 0, 1, 1});
        }
        QCOMPARE(At(image, 20, 25), kPaper);
        QCOMPARE(At(image, 0, 0), kInk);
    }

    void FrameRectDrawsOnlyTheBorder() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetPen(kInk);
            canvas.FrameRect({5, 5, 15, 12});
        }
        for (auto [x, y] :
             std::array<std::pair<int, int>, 4>{{{5, 5}, {14, 5}, {5, 11}, {14, 11}}}) {
            QCOMPARE(At(image, x, y), kInk);
        }
        QCOMPARE(At(image, 6, 6), kPaper);
        QCOMPARE(At(image, 13, 10), kPaper);
        QCOMPARE(ChangedOutside(image, {5, 5, 15, 12}), 0);
    }

    void RectangleHasPenOutlineAndBrushInside() {
        QImage image = Blank();
        const TColor fill{0xFFFF00};
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetPen(kInk, 2);
            canvas.SetBrush(fill);
            canvas.Rectangle({4, 4, 20, 20});
        }
        QCOMPARE(At(image, 4, 4), kInk);
        QCOMPARE(At(image, 5, 10), kInk);
        QCOMPARE(At(image, 18, 10), kInk);
        QCOMPARE(At(image, 6, 6), fill);
        QCOMPARE(At(image, 17, 17), fill);
        QCOMPARE(ChangedOutside(image, {4, 4, 20, 20}), 0);
    }

    void LineIncludesBothEnds() {
        QImage image = Blank();
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetPen(kInk);
            canvas.Line(3, 7, 12, 7);
        }
        QCOMPARE(At(image, 3, 7), kInk);
        QCOMPARE(At(image, 12, 7), kInk);
        QCOMPARE(ChangedOutside(image, {3, 7, 13, 8}), 0);
    }

    void PolygonIsFilled() {
        QImage image = Blank();
        const TColor fill{0x00FFFF};
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetPen(kInk);
            canvas.SetBrush(fill);
            const std::array<TPoint, 3> triangle{{{2, 2}, {30, 2}, {2, 28}}};
            canvas.Polygon(triangle);
        }
        QCOMPARE(At(image, 8, 8), fill);
        QCOMPARE(At(image, 2, 2), kInk);
        QCOMPARE(At(image, 35, 25), kPaper);
    }

    void OpaqueTextFillsItsCellWithTheBrush() {
        QImage image = Blank(120, 40);
        const TColor back{0x00FF00};
        int width = 0;
        int height = 0;
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetFont("Arial", 10, true);
            canvas.SetBrush(back);
            canvas.SetTextColor(kInk);
            width = canvas.TextWidth("Cross Sums");
            height = canvas.TextHeight("Cross Sums");
            canvas.TextOut(5, 5, "Cross Sums");
        }
        QVERIFY(width > 40 && height > 8);
        QCOMPARE(At(image, 5, 5), back);
        QCOMPARE(At(image, 5 + width - 1, 5 + height - 1), back);
        QCOMPARE(ChangedOutside(image, {5, 5, 5 + width, 5 + height}), 0);
    }

    void ClippedTextStaysInsideItsRectangle() {
        QImage image = Blank(60, 40);
        const TRect clip{10, 10, 30, 22};
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetFont("MS Sans Serif", 12, false);
            canvas.SetBrush(TColor{0xC0C0C0});
            canvas.TextRect(clip, 4, 6, "A text much wider than its box");
        }
        int filled = 0;
        for (int y = clip.Top; y < clip.Bottom; ++y) {
            for (int x = clip.Left; x < clip.Right; ++x)
                filled += At(image, x, y) == TColor{0xC0C0C0};
        }
        QVERIFY(filled > clip.Width() * clip.Height() / 3);
        QCOMPARE(ChangedOutside(image, clip), 0);
    }

    void TextIsMeasuredInTheDevicesPixels() {
        // A printer page has many more pixels per inch than the screen; a font in points must
        // measure wider there, or printed clues would be tiny.
        QImage screen = Blank(10, 10);
        QImage page = Blank(10, 10);
        page.setDotsPerMeterX(11811);  // 300 per inch
        page.setDotsPerMeterY(11811);
        auto measure = [](QImage& image) {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.SetFont("Arial", 10, false);
            return canvas.TextWidth("123456789");
        };
        const int onScreen = measure(screen);
        const int onPage = measure(page);
        QVERIFY2(onPage > 2 * onScreen,
                 qPrintable(QStringLiteral("%1 vs %2").arg(onPage).arg(onScreen)));
    }

    void DrawsOnAPrinterPage() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        QPainter painter;
        QVERIFY(painter.begin(&printer));
        TQtCanvas canvas(painter);
        canvas.SetFont("Arial", 10, false);
        const int width = canvas.TextWidth("123456789");
        canvas.SetBrush(kWhite);
        canvas.Rectangle({100, 100, 2000, 2000});
        canvas.TextOut(200, 200, "123456789");
        QVERIFY(painter.end());
        // 10 points at the printer's resolution: nine digits take about 0.7 inch.
        QVERIFY2(width > printer.resolution() / 2 && width < printer.resolution(),
                 qPrintable(QString::number(width)));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("page.pdf"))).size() > 0);
    }
};

}  // namespace xs

QTEST_MAIN(xs::CanvasTest)
#include "canvas_test.moc"
