// The about screen names the program, its version and where its data file is.
#include <QRegularExpression>
#include <QTest>

#include "shell/about.h"
#include "storage/data_file.h"

namespace xs {

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsNameVersionAndDescription() {
        TfrmAbout about;
        about.show();
        QCOMPARE(about.lblName->text(), QStringLiteral("Cross Sums"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(ProgramVersion())
                    .hasMatch());
        QCOMPARE(about.lblVersion->text(), QStringLiteral("Version ") + ProgramVersion());
        QVERIFY(!about.lblDescription->text().isEmpty());
    }

    void ShowsTheDataFileTheProgramUses() {
        TfrmAbout about;
        about.show();
        QVERIFY(about.lblDataFile->text().contains(DefaultDataFilePaths().DataFile));
        about.SetDataFilePath(QStringLiteral("/home/player/.local/share/x/VelmorDuvidOzad.dat"));
        QVERIFY(about.lblDataFile->text().contains(QStringLiteral("/home/player/.local/share/x/")));
    }

    void IconIsCompiledIn() {
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(48, 48).size(), QSize(48, 48));
        QVERIFY(!icon.pixmap(256, 256).toImage().isNull());
    }
};

}  // namespace xs

QTEST_MAIN(xs::AboutTest)
#include "about_test.moc"
