// The drawing surface on a QPainter.
#include "platform/qt_canvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QString>
#include <algorithm>

#include "platform/fonts.h"

namespace xs {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace

QColor ToQColor(TColor color) {
    return QColor(color.Red(), color.Green(), color.Blue());
}

TQtCanvas::TQtCanvas(QPainter& painter)
    : Painter(painter), Font(MakeFont("MS Sans Serif", 10, false)) {
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter.setFont(Font);
}

void TQtCanvas::SetPen(TColor color, int width) {
    PenColor = ToQColor(color);
    PenWidth = width < 1 ? 1 : width;
}

void TQtCanvas::SetBrush(TColor color) {
    BrushColor = ToQColor(color);
    BrushSet = true;
}

void TQtCanvas::ClearBrush() {
    BrushSet = false;
}

void TQtCanvas::SetFont(std::string_view face, int points, bool bold) {
    const auto same = [&](const TFontSlot& slot) {
        return !slot.Face.empty() && slot.Points == points && slot.Bold == bold &&
               slot.Face == face;
    };
    if (CurrentSlot >= 0 && same(FontSlots[static_cast<std::size_t>(CurrentSlot)])) {
        Painter.setFont(Font);  // someone may have drawn on the painter in between
        return;
    }
    int found = -1;
    for (int i = 0; i < kFontSlots; ++i) {
        if (same(FontSlots[static_cast<std::size_t>(i)])) found = i;
    }
    if (found < 0) {
        found = NextSlot;
        NextSlot = (NextSlot + 1) % kFontSlots;
        FontSlots[static_cast<std::size_t>(found)] =
            TFontSlot{std::string(face), points, bold, MakeFont(face, points, bold)};
    }
    CurrentSlot = found;
    Font = FontSlots[static_cast<std::size_t>(found)].Font;
    Painter.setFont(Font);
    FontMetrics.reset();
}

const QFontMetrics& TQtCanvas::Metrics() {
    // Metrics for the painter's device, so that printer pages measure in printer pixels.
    if (!FontMetrics) FontMetrics.emplace(Font, Painter.device());
    return *FontMetrics;
}

void TQtCanvas::SetTextColor(TColor color) {
    TextColor = ToQColor(color);
}

int TQtCanvas::TextWidth(std::string_view text) {
    return Metrics().horizontalAdvance(ToQString(text));
}

int TQtCanvas::TextHeight(std::string_view) {
    return Metrics().height();
}

void TQtCanvas::DrawText(int x, int y, const QString& text) {
    Painter.setPen(TextColor);
    Painter.drawText(x, y + Metrics().ascent(), text);
}

void TQtCanvas::TextOut(int x, int y, std::string_view text) {
    const QString s = ToQString(text);
    if (BrushSet) {
        const QFontMetrics& metrics = Metrics();
        Painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), BrushColor);
    }
    DrawText(x, y, s);
}

void TQtCanvas::TextRect(const TRect& clip, int x, int y, std::string_view text) {
    if (clip.Width() <= 0 || clip.Height() <= 0) return;
    if (BrushSet) Painter.fillRect(ToQRect(clip), BrushColor);
    Painter.save();
    Painter.setClipRect(ToQRect(clip), Qt::IntersectClip);
    DrawText(x, y, ToQString(text));
    Painter.restore();
}

void TQtCanvas::FillRect(const TRect& rect) {
    if (BrushSet && rect.Width() > 0 && rect.Height() > 0) {
        Painter.fillRect(ToQRect(rect), BrushColor);
    }
}

void TQtCanvas::FrameRect(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    // Four filled strips rather than a stroked outline: a stroke of width 1 lands on different
    // pixels depending on the device's scaling, strips never do.
    const QRect r = ToQRect(rect);
    Painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), PenColor);
    Painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), PenColor);
    Painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), PenColor);
    Painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), PenColor);
}

void TQtCanvas::Rectangle(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    FillRect(rect);
    const int w = PenWidth;
    const QRect r = ToQRect(rect);
    const int across = std::min(w, r.height());
    const int down = std::min(w, r.width());
    Painter.fillRect(QRect(r.left(), r.top(), r.width(), across), PenColor);
    Painter.fillRect(QRect(r.left(), r.bottom() - across + 1, r.width(), across), PenColor);
    Painter.fillRect(QRect(r.left(), r.top(), down, r.height()), PenColor);
    Painter.fillRect(QRect(r.right() - down + 1, r.top(), down, r.height()), PenColor);
}

void TQtCanvas::Line(int x1, int y1, int x2, int y2) {
    QPen pen(PenColor);
    pen.setWidth(PenWidth);
    pen.setCapStyle(Qt::SquareCap);
    Painter.setPen(pen);
    Painter.drawLine(x1, y1, x2, y2);
}

void TQtCanvas::Polygon(std::span<const TPoint> points) {
    if (points.empty()) return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
    QPen pen(PenColor);
    pen.setWidth(PenWidth);
    Painter.setPen(pen);
    if (BrushSet) {
        Painter.setBrush(BrushColor);
    } else {
        Painter.setBrush(Qt::NoBrush);
    }
    Painter.drawPolygon(polygon);
}

}  // namespace xs
