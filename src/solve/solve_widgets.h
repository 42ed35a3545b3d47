// Small widgets of the solve screen: an owner-drawn surface, a spin button, and the pictures the
// screen draws for itself (mode cursors, button icons, the values strip's arrow).
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"
#include "solve/solve_types.h"

namespace xs {

// A widget whose every pixel is drawn through the canvas by its owner, who also hears its mouse
// presses, moves and releases in the widget's own coordinates. It holds no data of its own.
class TSolvePaintBox : public QWidget {
    Q_OBJECT

public:
    using TPaint = std::function<void(TCanvas& canvas, const TRect& dirty)>;
    using TPress = std::function<void(int x, int y, TMouseButton button)>;
    // Moves are reported only while a button is held down over this widget.
    using TMove = std::function<void(int x, int y)>;
    using TRelease = std::function<void()>;

    explicit TSolvePaintBox(const char* name, QWidget* parent);

    TPaint OnPaint;
    TPress OnPress;
    TMove OnMove;
    TRelease OnRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Two small arrow buttons, one above the other, as beside a number that the player steps.
class TSpinButton : public QWidget {
    Q_OBJECT

public:
    TSpinButton(const char* name, QWidget* parent);

    QToolButton* Up;
    QToolButton* Down;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The board cursors of Erase mode (a rubber) and Fill mode (a pencil), drawn by the program.
QCursor EraserCursor();
QCursor FillerCursor();

enum class TIconKind { ZoomIn, ZoomOut, Solve, Erase, Fill };
// The pictures on the zoom and mode buttons, `size` pixels square.
QIcon ButtonIcon(TIconKind kind, int size);
// The arrow between the values strip's numbers and the digits they allow.
QPixmap ValuesArrow(int width, int height);

}  // namespace xs
