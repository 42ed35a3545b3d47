// The create screen.
#include "manage/create_screen.h"

#include <QShowEvent>

#include "platform/fonts.h"

namespace xs {

TfrmCreate::TfrmCreate(const TProgramFonts& fonts, QWidget* parent)
    : QWidget(parent), Fonts(fonts) {
    setObjectName(QStringLiteral("frmCreate"));
    lblTitle = new QLabel(QStringLiteral("Create/Delete/Print"), this);
    lblTitle->setAlignment(Qt::AlignCenter);
}

void TfrmCreate::FormShow() {
    setFont(FontFor(Fonts.General));
}

void TfrmCreate::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmCreate::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lblTitle->setGeometry(0, 0, width(), height());
}

}  // namespace xs
