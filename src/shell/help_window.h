// The help window: the program's HTML help, opened with F1 and the "Help" button.
#pragma once

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace xs {

// Where the help's start page lives (compiled into the program).
inline constexpr const char* kHelpUrl = "qrc:/help/index.html";

// The help's start page: the copy in an installed program's shared folder when there is one,
// else the one compiled in.
QUrl HelpStartUrl(const QString& installedShareFolder);

class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    QTextBrowser* Browser;
    QPushButton* bnContents;
    QPushButton* bnBack;
    QPushButton* bnForward;
    QPushButton* bnClose;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Opens the help window at its contents page, or brings the open one to the front.
THelpWindow* ShowHelp(QWidget* parent);

}  // namespace xs
