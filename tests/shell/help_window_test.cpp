// The help opens on its contents, comes back as one window, and its links all lead somewhere.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "shell/help_window.h"

namespace xs {

namespace {

QString HelpText() {
    QFile file(QStringLiteral(":/help/index.html"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QSet<QString> Captures(const QString& text, const QString& pattern) {
    QSet<QString> found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) found.insert(it.next().captured(1));
    return found;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void OpensOnTheContentsPage() {
        QWidget main;
        main.show();
        THelpWindow* help = ShowHelp(&main);
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->Browser->source(), QUrl(QString::fromLatin1(kHelpUrl)));
        QCOMPARE(help->Browser->documentTitle(), QStringLiteral("Cross Sums Help"));
        const QString shown = help->Browser->toPlainText();
        for (const char* topic :
             {"The rules", "Solving a puzzle", "Printing", "Frequently asked questions"}) {
            QVERIFY2(shown.contains(QLatin1String(topic)), topic);
        }
        QVERIFY(ShowHelp(&main) == help);  // the same window, brought back
        help->close();
    }

    void AnInstalledProgramReadsItsInstalledHelp() {
        QTemporaryDir share;
        QCOMPARE(HelpStartUrl(QString()), QUrl(QStringLiteral("qrc:/help/index.html")));
        // A shared folder without the page (a partly removed install) still has help.
        QCOMPARE(HelpStartUrl(share.path()), QUrl(QStringLiteral("qrc:/help/index.html")));
        QVERIFY(QDir(share.path()).mkpath(QStringLiteral("help")));
        QFile page(share.filePath(QStringLiteral("help/index.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QCOMPARE(HelpStartUrl(share.path()), QUrl(QStringLiteral("file://") + share.path() +
                                                  QStringLiteral("/help/index.html")));
    }

    void EveryLinkLeadsToAnAnchor() {
        const QString text = HelpText();
        QVERIFY(!text.isEmpty());
        const QSet<QString> targets = Captures(text, QStringLiteral("name=\"([^\"]+)\""));
        const QSet<QString> links = Captures(text, QStringLiteral("href=\"#([^\"]+)\""));
        QVERIFY(links.size() >= 10);
        for (const QString& link : links) QVERIFY2(targets.contains(link), qPrintable(link));
    }

    void FollowingALinkEnablesBack() {
        THelpWindow help;
        help.show();
        QVERIFY(!help.bnBack->isEnabled());
        help.Browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html#faq")));
        QVERIFY(help.bnBack->isEnabled());
        help.bnBack->click();
        QVERIFY(help.bnForward->isEnabled());
    }

    void EscapeClosesTheWindow() {
        THelpWindow* help = ShowHelp(nullptr);
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }
};

}  // namespace xs

QTEST_MAIN(xs::HelpWindowTest)
#include "help_window_test.moc"
