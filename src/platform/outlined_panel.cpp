// A framed panel whose outline survives Qt's fractional scaling.
#include "platform/outlined_panel.h"

#include <QPainter>

namespace xs {

void TOutlinedPanel::SetLineColour(const QColor& colour) {
    LineColour = colour;
    update();
}

void TOutlinedPanel::paintEvent(QPaintEvent*) {
    if (frameShape() == QFrame::NoFrame) return;
    QPainter painter(this);
    const QColor line =
        LineColour.isValid() ? LineColour : palette().color(QPalette::Window).darker(130);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, 1, line);
    painter.fillRect(0, h - 1, w, 1, line);
    painter.fillRect(0, 0, 1, h, line);
    painter.fillRect(w - 1, 0, 1, h, line);
}

TOutlinedPanel* MakeOutlinedPanel(QWidget* parent, const QString& name) {
    auto* panel = new TOutlinedPanel(parent);
    panel->setObjectName(name);
    // Keeps the contents inside the outline; the outline itself is painted above.
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(1);
    return panel;
}

}  // namespace xs
