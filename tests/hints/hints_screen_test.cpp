// Tests of the hints screen's widget: the overview walk with its host, the values page's
// controls, and pages that fit the screen at the standard window sizes.
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>
#include <vector>

#include "hints/hints.h"

using namespace xs;

namespace {

class TFakeHost : public TOverviewHost {
public:
    bool Overview = false;
    std::vector<QString> Captions;
    int Ended = 0;

    bool FirstRunOverview() const override { return Overview; }
    void SetOverviewCaption(const QString& caption) override { Captions.push_back(caption); }
    void EndOverview() override {
        Overview = false;
        ++Ended;
    }
};

// The lines a word-wrapped label breaks its text into at its present width.
QStringList WrappedLines(const QLabel& label) {
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// A break between two lines that cuts a sum ("11 - 5 | - 1") or a list of digits ("1, 2 | or 3").
bool BreaksASum(const QString& before, const QString& after) {
    if (before.isEmpty() || after.isEmpty()) return false;
    const auto digit = [](QChar c) { return c.isDigit(); };
    const auto sign = [](QChar c) { return QStringLiteral("+-=\u2212").contains(c); };
    const QChar last = before.back();
    const QChar first = after.front();
    if (sign(last) && digit(first)) return true;
    if (digit(last) && sign(first)) return true;
    if (last == u',' && before.size() > 1 && digit(before[before.size() - 2]) && digit(first)) {
        return true;
    }
    const QStringList lastWords = before.split(QRegularExpression(QStringLiteral("\\s")));
    const QStringList firstWords = after.split(QRegularExpression(QStringLiteral("\\s")));
    const auto joins = [](const QString& w) { return w == u"or" || w == u"and"; };
    if (joins(lastWords.back()) && lastWords.size() > 1 &&
        digit(lastWords[lastWords.size() - 2].back()) && digit(first)) {
        return true;
    }
    return digit(last) && joins(firstWords.front()) && firstWords.size() > 1 &&
           digit(firstWords[1].front());
}

}  // namespace

class THintsScreenTest : public QObject {
    Q_OBJECT

private slots:
    void OverviewWalksThePagesAndEndsOnceAfterTheLast() {
        TProgramFonts fonts;
        TFakeHost host;
        host.Overview = true;
        TfrmHints hints(fonts, 20, &host);
        hints.resize(800, 562);
        hints.show();

        QVERIFY(!hints.PanelSelect->isVisible());
        QVERIFY(hints.PanelOverview->isVisible());
        QVERIFY(!hints.bnOverviewPrev->isVisible());
        QVERIFY(!hints.lblNotes->font().bold());
        for (int page = 2; page <= kHintsPages; ++page) {
            QTest::mouseClick(hints.bnOverviewNext, Qt::LeftButton);
            QCOMPARE(hints.State().Page(), page);
            QVERIFY(hints.Pages[page - 1]->isVisible());
            QVERIFY(hints.bnOverviewPrev->isVisible());
            for (QPushButton* own :
                 {hints.bnNextExA, hints.bnNextExB, hints.bnPrevExB, hints.bnPrevExC}) {
                QVERIFY(!own->isVisible());
            }
        }
        QCOMPARE(host.Captions.back(), QString::fromUtf8(kOverviewCaptions[kHintsPages - 1]));
        QCOMPARE(host.Ended, 0);
        QTest::mouseClick(hints.bnOverviewNext, Qt::LeftButton);
        QCOMPARE(host.Ended, 1);
        QVERIFY(!hints.State().Overview());

        // Shown again, the screen has its tab bar and no overview.
        hints.hide();
        hints.show();
        QVERIFY(hints.PanelSelect->isVisible());
        QVERIFY(!hints.PanelOverview->isVisible());
        QCOMPARE(hints.State().Page(), 1);
    }

    void ExamplePagesStepWithTheirOwnButtons() {
        TProgramFonts fonts;
        TfrmHints hints(fonts, 20, nullptr);
        hints.resize(800, 562);
        hints.show();
        QTest::mouseClick(hints.bnExample, Qt::LeftButton);
        QTest::mouseClick(hints.bnNextExA, Qt::LeftButton);
        QTest::mouseClick(hints.bnNextExB, Qt::LeftButton);
        QCOMPARE(hints.State().Page(), 5);
        QCOMPARE(hints.shpHighlight->geometry().center().x(),
                 hints.bnExample->geometry().center().x());
        QTest::mouseClick(hints.bnPrevExC, Qt::LeftButton);
        QTest::mouseClick(hints.bnPrevExB, Qt::LeftButton);
        QCOMPARE(hints.State().Page(), 3);
    }

    void ValuesPageFollowsItsArrows() {
        TProgramFonts fonts;
        TfrmHints hints(fonts, 20, nullptr);
        hints.resize(800, 562);
        hints.show();
        QTest::mouseClick(hints.bnValues, Qt::LeftButton);
        QCOMPARE(hints.PanelTotal->text(), QStringLiteral("3"));
        QCOMPARE(hints.PanelSquares->text(), QStringLiteral("2"));
        QVERIFY(hints.dgValues->isVisible());
        QVERIFY(!hints.lblInvalid->isVisible());

        QTest::mouseClick(hints.spnSquares.Up, Qt::LeftButton);  // 3 in 3 squares
        QCOMPARE(hints.PanelSquares->text(), QStringLiteral("3"));
        QVERIFY(!hints.dgValues->isVisible());
        QVERIFY(hints.lblInvalid->isVisible());
        for (int i = 0; i < 3; ++i) QTest::mouseClick(hints.spnTotal.Up, Qt::LeftButton);
        QCOMPARE(hints.PanelTotal->text(), QStringLiteral("6"));  // 1 + 2 + 3
        QVERIFY(hints.dgValues->isVisible());
        QVERIFY(!hints.lblInvalid->isVisible());
    }

    // "Re-click ..." stands under the arrow from the filled square back to its possible values.
    void ReClickStandsUnderItsArrow() {
        TProgramFonts fonts;
        TfrmHints hints(fonts, 20, nullptr);
        hints.resize(1251, 913);
        hints.show();
        QTest::mouseClick(hints.bnSolve, Qt::LeftButton);
        QWidget* page = hints.Pages[1];
        QLabel* reclick = nullptr;
        for (QLabel* label : page->findChildren<QLabel*>())
            if (label->text().startsWith(QStringLiteral("Re-click"))) reclick = label;
        QVERIFY(reclick != nullptr);
        QWidget* strip = nullptr;
        for (QWidget* w : page->findChildren<QWidget*>(QStringLiteral("imgHints")))
            if (w->geometry().bottom() < reclick->y() && (strip == nullptr || w->y() > strip->y()))
                strip = w;
        QVERIFY(strip != nullptr);
        const QImage image = strip->grab().toImage();
        const int x = reclick->geometry().center().x() - strip->x();
        QCOMPARE(image.pixelColor(x, image.height() / 2), QColor(0, 0, 128));
        QVERIFY(x > image.width() / 2);  // the second of the two arrows
    }

    void SumsAndListsStayOnOneLine_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("points");
        QTest::newRow("800") << 792 << 562 << 10;
        QTest::newRow("1000 bigger font") << 991 << 673 << 12;
        QTest::newRow("1260") << 1251 << 913 << 10;
    }
    void SumsAndListsStayOnOneLine() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, points);
        TProgramFonts fonts;
        fonts.General.Points = points;
        TfrmHints hints(fonts, 20, nullptr);
        hints.resize(width, height);
        hints.show();
        QPushButton* const reach[] = {hints.bnXSums, hints.bnSolve, hints.bnExample,
                                      hints.bnNextExA, hints.bnNextExB};
        for (int page = 1; page < kValuesPage; ++page) {
            QTest::mouseClick(reach[page - 1], Qt::LeftButton);
            QCOMPARE(hints.State().Page(), page);
            for (QLabel* label : hints.Pages[page - 1]->findChildren<QLabel*>()) {
                const QStringList lines = WrappedLines(*label);
                for (int i = 1; i < lines.size(); ++i) {
                    QVERIFY2(!BreaksASum(lines[i - 1], lines[i]),
                             qPrintable(QStringLiteral("page %1: %2 | %3")
                                            .arg(page)
                                            .arg(lines[i - 1], lines[i])));
                }
            }
        }
    }

    void PagesFitTheStandardSizes_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("overview");
        QTest::addColumn<int>("points");
        // The screen areas of the standard windows, with the smallest font size each allows.
        QTest::newRow("800 tabs") << 792 << 562 << false << 10;
        QTest::newRow("800 overview") << 792 << 562 << true << 10;
        QTest::newRow("1000 tabs bigger font") << 991 << 673 << false << 12;
        QTest::newRow("1000 overview bigger font") << 991 << 673 << true << 12;
        QTest::newRow("1260 tabs") << 1251 << 913 << false << 10;
        QTest::newRow("1260 overview") << 1251 << 913 << true << 10;
    }
    // Every control of a page lies inside it and on no other, and no picture is cut off.
    void PagesFitTheStandardSizes() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, overview);
        QFETCH(int, points);
        TProgramFonts fonts;
        fonts.General.Points = points;
        TFakeHost host;
        host.Overview = overview;
        TfrmHints hints(fonts, 20, &host);
        hints.resize(width, height);
        hints.show();
        for (int page = 1; page <= kHintsPages; ++page) {
            QWidget* panel = hints.Pages[page - 1];
            std::vector<QWidget*> shown;
            for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!child->isVisible()) continue;
                QVERIFY2(
                    panel->rect().contains(child->geometry()),
                    qPrintable(QStringLiteral("page %1: %2")
                                   .arg(page)
                                   .arg(child->objectName() + child->property("text").toString())));
                if (auto* label = qobject_cast<QLabel*>(child)) {
                    QVERIFY(label->heightForWidth(label->width()) <= label->height());
                }
                for (QWidget* other : shown) {
                    QVERIFY2(!other->geometry().intersects(child->geometry()),
                             qPrintable(QStringLiteral("page %1: %2 / %3")
                                            .arg(page)
                                            .arg(other->property("text").toString(),
                                                 child->property("text").toString())));
                }
                shown.push_back(child);
            }
            if (overview) {
                if (page < kHintsPages) QTest::mouseClick(hints.bnOverviewNext, Qt::LeftButton);
            } else {
                const int next[kHintsPages] = {2, 3, 4, 5, 6, 6};
                QPushButton* buttons[kHintsPages] = {hints.bnSolve,   hints.bnExample,
                                                     hints.bnNextExA, hints.bnNextExB,
                                                     hints.bnValues,  hints.bnValues};
                QTest::mouseClick(buttons[page - 1], Qt::LeftButton);
                QCOMPARE(hints.State().Page(), next[page - 1]);
            }
        }
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    THintsScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "hints_screen_test.moc"
