// The drawing surface on a QPainter: widgets, pixmaps, the print preview and the printer.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

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

    QPainter& Painter;
    QColor PenColor{Qt::black};
    int PenWidth = 1;
    QColor BrushColor{Qt::white};
    bool BrushSet = true;
    QColor TextColor{Qt::black};
    QFont Font;
};

}  // namespace xs
