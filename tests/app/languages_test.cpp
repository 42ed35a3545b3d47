// Every screen in English, German and French at the smallest and a large window: each text is
// translated but names and numbers, and no text is cut off or lies on another.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "../shell/shell_test_support.h"
#include "manage/create_screen.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "solve/solve_screen.h"
#include "storage/language.h"

using namespace xs;

namespace {

// Texts that read the same in every language.
const QStringList kSame = {"O.K.", "Zoom", "in", "Cross Sums", "Info", "Version 1.0.0", "Total"};

QString TextOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title();
    return {};
}

// Where a widget sits in the window, the same in every language.
QString PathOf(QWidget* w, QWidget* top) {
    QString path;
    for (; w != nullptr && w != top; w = w->parentWidget()) {
        const QString name = w->objectName().isEmpty()
                                 ? QString::number(w->parentWidget()->children().indexOf(w))
                                 : w->objectName();
        path.prepend(QLatin1Char('/') + name);
    }
    return path;
}

// Where a control's text is drawn, in its parent's coordinates: a label's lines as aligned in it,
// a button whole.
QRect TextRect(QWidget* w) {
    auto* label = qobject_cast<QLabel*>(w);
    if (label == nullptr || label->wordWrap() || !label->pixmap().isNull()) return w->geometry();
    const QFontMetrics metrics(w->font());
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    int wide = 0;
    for (const QString& line : lines) wide = std::max(wide, metrics.horizontalAdvance(line));
    const QSize size(wide, metrics.height() * static_cast<int>(lines.size()));
    return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size, label->contentsRect())
        .translated(w->pos());
}

// The faults of a screen's layout: a text wider than its control, a control outside its parent or
// on a sibling's text.
QStringList LayoutFaults(QWidget* screen) {
    QStringList faults;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        const QString text = TextOf(w);
        if (!w->isVisible() || text.isEmpty()) continue;
        // What a list or table holds scrolls inside it.
        if (qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget())) continue;
        auto* label = qobject_cast<QLabel*>(w);
        const bool wraps = label != nullptr && label->wordWrap();
        const QFontMetrics metrics(w->font());
        const QString plain = QString(text).remove(QLatin1Char('&'));
        int wide = 0;
        for (const QString& line : plain.split(QLatin1Char('\n')))
            wide = std::max(wide, metrics.horizontalAdvance(line));
        // A push button keeps its style's margin and frame on both sides of the text.
        const int margin = qobject_cast<QPushButton*>(w)
                               ? w->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                     2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                               : 0;
        const int room = w->contentsRect().width() - margin;
        if ((wraps && label->heightForWidth(label->width()) > label->height()) ||
            (!wraps && label != nullptr && label->pixmap().isNull() && wide > room) ||
            (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QGroupBox*>(w) && wide > room))
            faults << QStringLiteral("cut: ") + text;
        if (!w->parentWidget()->rect().contains(w->geometry()))
            faults << QStringLiteral("outside: ") + text;
        for (QWidget* other :
             w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == w || !other->isVisible() || TextOf(other).isEmpty()) continue;
            if (other < w && TextRect(other).intersects(TextRect(w)))
                faults << QStringLiteral("on each other: %1 / %2").arg(text, TextOf(other));
        }
    }
    return faults;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void ScreensAreTranslatedAndFit_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("800 x 600, nominal font") << 800 << 600 << 2;
        QTest::newRow("1260 x 960, bigger font") << 1260 << 960 << 3;
    }
    void ScreensAreTranslatedAndFit() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, fontSize);
        std::map<QString, QString> english;
        for (const QString& language :
             {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")}) {
            QVERIFY(InstallTranslations(*qApp, language));
            QTemporaryDir dir;
            const TDataFilePaths paths = test::PathsIn(dir);
            test::ResetAppData();
            test::WriteValidFile(paths, {0, 0, width, height}, fontSize);
            test::TScriptedMessages messages;
            auto main = test::StartMain(paths, messages, test::Screen(1280, 1024, 1000));
            QVERIFY(main);
            QStringList untranslated;
            QStringList faults;
            const auto look = [&](const QString& where) {
                faults << LayoutFaults(main.get())
                              .replaceInStrings(QRegularExpression("^"), where + ": ");
                for (QWidget* w : main->findChildren<QWidget*>()) {
                    const QString text = TextOf(w);
                    if (!w->isVisible() || !text.contains(QRegularExpression("[A-Za-z]{2}")))
                        continue;
                    const QString key = where + PathOf(w, main.get());
                    if (language == QLatin1String("en"))
                        english[key] = text;
                    else if (english.count(key) && english[key] == text && !kSame.contains(text))
                        untranslated << where + ": " + text;
                }
            };
            for (const TScreenId screen :
                 {TScreenId::Solve, TScreenId::Create, TScreenId::Setup, TScreenId::Hints,
                  TScreenId::About, TScreenId::Progress}) {
                main->ChangeScreen(screen);
                look(QString::number(static_cast<int>(screen)));
            }
            main->ChangeScreen(TScreenId::Create);
            auto* create = qobject_cast<TfrmCreate*>(main->ScreenWidget(TScreenId::Create));
            QTest::mouseClick(create->bnSelectT, Qt::LeftButton);
            QTest::mouseClick(create->bnPrintOptions, Qt::LeftButton);
            look(QStringLiteral("print panel"));
            main->ChangeScreen(TScreenId::Solve);
            auto* solve = qobject_cast<TfrmSolve*>(main->ScreenWidget(TScreenId::Solve));
            QTest::mouseClick(solve->bnSolve, Qt::LeftButton);
            look(QStringLiteral("solving"));
            QTest::mouseClick(solve->bnMore, Qt::LeftButton);
            look(QStringLiteral("instructions"));
            for (const QString& fault : untranslated + faults)
                qWarning().noquote() << language << fault;
            if (language == QLatin1String("en")) {
                // The English words are the program's own, unchanged by the lookup.
                QStringList shown;
                for (const auto& [key, text] : english) shown << text;
                for (const char* text : {"Select and solve",
                                         "Create/Delete/Print",
                                         "Setup",
                                         "Hints",
                                         "Exit",
                                         "Solve this puzzle",
                                         "Print this puzzle",
                                         "Legend :",
                                         "Create puzzles",
                                         "Delete puzzles",
                                         "Clear all highlighted",
                                         "Print options",
                                         "Erase All",
                                         "Fill All",
                                         "Undo",
                                         "Check",
                                         "Reset",
                                         "Save",
                                         "Return",
                                         "... more"})
                    QVERIFY2(shown.contains(QString::fromLatin1(text)), text);
            }
            QVERIFY2(untranslated.isEmpty() && faults.isEmpty(),
                     qPrintable(language + ": " + (untranslated + faults).join('\n')));
            main->close();
        }
        QVERIFY(InstallTranslations(*qApp, QStringLiteral("en")));
    }

    void HelpOpensInThePlayersLanguage() {
        const char* const pages[][2] = {
            {"de", "qrc:/help/index.de.html"},
            {"fr", "qrc:/help/index.fr.html"},
            {"en", "qrc:/help/index.html"},
        };
        for (const auto& [language, page] : pages) {
            InstallTranslations(*qApp, QString::fromLatin1(language));
            QCOMPARE(HelpStartUrl(QString()), QUrl(QString::fromLatin1(page)));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
