// Small widgets of the solve screen and the pictures it draws for itself.
#include "solve/solve_widgets.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "platform/qt_canvas.h"

namespace xs {

namespace {

TMouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return TMouseButton::Right;
        case Qt::MiddleButton:
            return TMouseButton::Middle;
        default:
            return TMouseButton::Left;
    }
}

QPixmap Blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

TSolvePaintBox::TSolvePaintBox(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(name));
    // Every pixel is painted here; Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSolvePaintBox::paintEvent(QPaintEvent* event) {
    if (!OnPaint) return;
    QPainter painter(this);
    TQtCanvas canvas(painter);
    const QRect r = event->rect();
    OnPaint(canvas, {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
}

void TSolvePaintBox::mousePressEvent(QMouseEvent* event) {
    if (OnPress) {
        const QPoint p = event->position().toPoint();
        OnPress(p.x(), p.y(), ButtonOf(event->button()));
    }
    event->accept();
}

void TSolvePaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (OnMove && event->buttons() != Qt::NoButton) {
        const QPoint p = event->position().toPoint();
        OnMove(p.x(), p.y());
    }
    event->accept();
}

void TSolvePaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (OnRelease && event->buttons() == Qt::NoButton) OnRelease();
    event->accept();
}

TSpinButton::TSpinButton(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(name));
    Up = new QToolButton(this);
    Up->setArrowType(Qt::UpArrow);
    Down = new QToolButton(this);
    Down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {Up, Down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    Up->setGeometry(0, 0, width(), half);
    Down->setGeometry(0, half, width(), height() - half);
}

QCursor EraserCursor() {
    // A rubber held at a slant; its lower-left corner does the erasing.
    QPixmap pixmap = Blank(32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(4, 27);
    p.rotate(-40);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(245, 150, 160));
    p.drawRect(QRectF(0, -9, 13, 9));
    p.setBrush(QColor(60, 110, 220));
    p.drawRect(QRectF(13, -9, 15, 9));
    p.end();
    return QCursor(pixmap, 2, 29);
}

QCursor FillerCursor() {
    // A pencil pointing down to the left; the tip of its lead is the hot spot.
    QPixmap pixmap = Blank(32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2, 30);
    p.rotate(-45);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 214, 110));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(8, -4), QPointF(8, 4)}));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(8, -4, 20, 8));
    p.setBrush(QColor(245, 150, 160));
    p.drawRect(QRectF(28, -4, 6, 8));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3, -1.5), QPointF(3, 1.5)}));
    p.end();
    return QCursor(pixmap, 2, 30);
}

QIcon ButtonIcon(TIconKind kind, int size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    switch (kind) {
        case TIconKind::ZoomIn:
        case TIconKind::ZoomOut: {
            // A magnifying glass with a plus or a minus in its lens.
            p.setPen(QPen(QColor(0, 0, 128), s / 9));
            p.setBrush(QColor(230, 240, 255));
            p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.6, s * 0.6));
            p.setPen(QPen(QColor(90, 60, 20), s / 6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(s * 0.66, s * 0.66), QPointF(s * 0.92, s * 0.92));
            p.setPen(QPen(Qt::black, s / 10));
            p.drawLine(QPointF(s * 0.22, s * 0.38), QPointF(s * 0.54, s * 0.38));
            if (kind == TIconKind::ZoomIn) {
                p.drawLine(QPointF(s * 0.38, s * 0.22), QPointF(s * 0.38, s * 0.54));
            }
            break;
        }
        case TIconKind::Solve: {
            // The small 1..9 pad of an empty square.
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(0.5, 0.5, s - 1, s - 1));
            p.setPen(QPen(QColor(192, 192, 192), 1));
            for (int k = 1; k < 3; ++k) {
                p.drawLine(QPointF(s * k / 3, 1), QPointF(s * k / 3, s - 1));
                p.drawLine(QPointF(1, s * k / 3), QPointF(s - 1, s * k / 3));
            }
            p.fillRect(QRectF(s / 3 + 1, s / 3 + 1, s / 3 - 1, s / 3 - 1), QColor(0, 0, 255));
            break;
        }
        case TIconKind::Erase:
        case TIconKind::Fill: {
            const QCursor cursor = kind == TIconKind::Erase ? EraserCursor() : FillerCursor();
            p.drawPixmap(QRect(0, 0, size, size), cursor.pixmap());
            break;
        }
    }
    p.end();
    return QIcon(pixmap);
}

QPixmap ValuesArrow(int width, int height) {
    QPixmap pixmap(width > 0 ? width : 1, height > 0 ? height : 1);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = pixmap.width();
    const qreal mid = pixmap.height() / 2.0;
    const qreal head = std::min<qreal>(w / 2, pixmap.height() / 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(1, mid - head / 4, w - head - 1, head / 2));
    p.drawPolygon(QPolygonF({QPointF(w - head - 1, mid - head * 0.7), QPointF(w - 1, mid),
                             QPointF(w - head - 1, mid + head * 0.7)}));
    p.end();
    return pixmap;
}

}  // namespace xs
