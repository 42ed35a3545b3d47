// A framed panel whose outline survives Qt's fractional scaling.
#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

namespace xs {

// A panel outlined by one-pixel strips. The style's panel frame is a pen's line along the panel's
// edge, which can fall just outside what the panel paints under Qt's fractional scaling (125 %)
// and vanish; a filled strip always covers a device pixel inside the panel. The frame shape still
// reserves the outline's room inside the panel; a panel set to NoFrame draws no outline.
class TOutlinedPanel : public QFrame {
public:
    using QFrame::QFrame;

    // An invalid colour, the default, takes the style's panel line: the window colour darkened.
    void SetLineColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor LineColour;
};

// A new outlined panel, named for lookups and style sheets.
TOutlinedPanel* MakeOutlinedPanel(QWidget* parent, const QString& name);

}  // namespace xs
