// Placeholder, filled in by the solve screen work.
#include <QTest>

class SolveScreenTest : public QObject {
    Q_OBJECT
};

QTEST_MAIN(SolveScreenTest)
#include "solve_screen_test.moc"
