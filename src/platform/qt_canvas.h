// The drawing surface on a QPainter: widgets, pixmaps, the print preview and the printer.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <optional>
#include <string>

#include "platform/canvas.h"

namespace xs {

QColor ToQColor(TColor color);

// Draws with a painter that is already active on its device; the painter's state is changed
// (pen, brush, font) but it is not ended. Anti-aliasing is off so rectangles and lines fall
// on whole pixels, as the layouts expect.
class TQtCanvas : public TCanvas {
public:
    explicit TQtCanvas(QPainter& painter);

    void SetPen(TColor color, int width = 1) override;
    void SetBrush(TColor color) override;
    void ClearBrush() override;
    void SetFont(std::string_view face, int points, bool bold) override;
    void SetTextColor(TColor color) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& clip, int x, int y, std::string_view text) override;
    void FillRect(const TRect& rect) override;
    void FrameRect(const TRect& rect) override;
    void Rectangle(const TRect& rect) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Polygon(std::span<const TPoint> points) override;

private:
    void DrawText(int x, int y, const QString& text);
    // Metrics of the current font on the painter's device, made once per font: building them
    // is the dearest part of measuring, and a board or a page measures the same few fonts
    // thousands of times.
    const QFontMetrics& Metrics();

    // The last fonts asked for, so that switching between a board's few fonts does not build
    // a new QFont each time.
    struct TFontSlot {
        std::string Face;
        int Points = 0;
        bool Bold = false;
        QFont Font;
    };
    static constexpr int kFontSlots = 8;

    QPainter& Painter;
    QColor PenColor{Qt::black};
    int PenWidth = 1;
    QColor BrushColor{Qt::white};
    bool BrushSet = true;
    QColor TextColor{Qt::black};
    QFont Font;
    std::optional<QFontMetrics> FontMetrics;
    std::array<TFontSlot, kFontSlots> FontSlots;
    int CurrentSlot = -1;
    int NextSlot = 0;
};

}  // namespace xs
