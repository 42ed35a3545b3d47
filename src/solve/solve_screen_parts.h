// Pieces shared by the solve screen's source files: turning layout rectangles into widget
// geometry, making its controls, and the strips' state.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRect>

#include "platform/canvas.h"
#include "platform/outlined_panel.h"
#include "platform/ui_text.h"
#include "solve/combinations_list.h"
#include "solve/solve_screen.h"

namespace xs {

// The combinations strip's content and the values strip.
struct TfrmSolve::TStrips {
    TComboList Combos;
    TValuesStrip Values;
};

namespace solve_screen {

inline TColor FromQColor(const QColor& colour) {
    return TColor{static_cast<std::uint32_t>(colour.rgb() & 0xFFFFFF)};
}

inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

inline TRect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline void Apply(QWidget* widget, const TRect& r) {
    widget->setGeometry(ToQRect(r));
}

// A rectangle given in the page's coordinates, for a control inside the panel at `panel`.
inline void ApplyIn(QWidget* widget, const TRect& r, const TRect& panel) {
    widget->setGeometry(r.Left - panel.Left, r.Top - panel.Top, r.Width(), r.Height());
}

inline QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption,
                               const char* hint = nullptr) {
    auto* button = new QPushButton(UiText(caption), parent);
    button->setObjectName(QLatin1String(name));
    if (hint != nullptr) button->setToolTip(UiText(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

inline QLabel* MakeLabel(QWidget* parent, const char* name, const char* text,
                         Qt::Alignment align = Qt::AlignCenter) {
    auto* label = new QLabel(UiText(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(align);
    return label;
}

inline QFrame* MakePanel(QWidget* parent, const char* name) {
    return MakeOutlinedPanel(parent, QLatin1String(name));
}

inline void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace solve_screen

}  // namespace xs
