// The about screen: the program's name, version, purpose and where it keeps its data.
#pragma once

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace xs {

// The version set by the build, e.g. "1.0.0".
QString ProgramVersion();
// The program's icon, for window icons and the about screen: the icon theme's "crosssums" where
// one is installed, else the one compiled in.
QIcon ProgramIcon();

class TfrmAbout : public QWidget {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    // The GeneralFont; the name is shown larger and bold.
    void SetGeneralFont(const QFont& font);
    // The data file shown; by default the one the program reads and writes.
    void SetDataFilePath(const QString& path);

    QLabel* lblIcon;
    QLabel* lblName;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDataFile;
    QLabel* lblKeys;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    QString DataFilePath;
};

}  // namespace xs
