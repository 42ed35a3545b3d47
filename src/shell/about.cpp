// The about screen.
#include "shell/about.h"

#include <QDir>
#include <QVBoxLayout>

#include "platform/ui_text.h"
#include "storage/data_file.h"

namespace xs {

QString ProgramVersion() {
    return QStringLiteral(XS_VERSION);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/crosssums-%1.png").arg(size), QSize(size, size));
    }
    // Installed, the icon theme's copy serves, so that a theme that redraws it is followed.
    return QIcon::fromTheme(QStringLiteral("crosssums"), icon);
}

TfrmAbout::TfrmAbout(QWidget* parent) : QWidget(parent) {
    lblIcon = new QLabel(this);
    lblIcon->setPixmap(ProgramIcon().pixmap(128, 128));
    lblName = new QLabel(UiText("Cross Sums"), this);
    lblVersion = new QLabel(this);
    lblDescription = new QLabel(
        UiText("Make, solve and print Cross Sums puzzles of four sizes and five levels."), this);
    lblDataFile = new QLabel(this);
    lblDataFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDataFile->setWordWrap(true);
    lblKeys = new QLabel(UiText("F1 shows the help, F2 this screen."), this);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    for (QLabel* label : {lblIcon, lblName, lblVersion, lblDescription, lblDataFile, lblKeys}) {
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
        layout->addSpacing(8);
    }
    layout->addStretch(3);
    SetGeneralFont(font());
}

void TfrmAbout::SetGeneralFont(const QFont& font) {
    setFont(font);
    QFont big = font;
    big.setPointSize(font.pointSize() * 2);
    big.setBold(true);
    lblName->setFont(big);
}

void TfrmAbout::SetDataFilePath(const QString& path) {
    DataFilePath = path;
    FormShow();
}

void TfrmAbout::showEvent(QShowEvent* event) {
    FormShow();
    QWidget::showEvent(event);
}

void TfrmAbout::FormShow() {
    lblVersion->setText(UiText("Version %1").arg(ProgramVersion()));
    // Asked again on every show: the folder's writability decides where the file lives.
    const QString path = DataFilePath.isEmpty() ? DefaultDataFilePaths().DataFile : DataFilePath;
    lblDataFile->setText(
        UiText("Puzzles and settings are kept in\n%1").arg(QDir::toNativeSeparators(path)));
}

}  // namespace xs
