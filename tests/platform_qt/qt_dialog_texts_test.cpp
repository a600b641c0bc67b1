#include "platform/qt/QtAlerts.h"
#include "platform/qt/QtFileDialog.h"

#include <QTest>

using korvanel::alertText;
using korvanel::qtNameFilters;

class TestQtDialogTexts : public QObject {
    Q_OBJECT

  private slots:
    void nameFiltersCarryTheRealPatterns_data();
    void nameFiltersCarryTheRealPatterns();
    void alertLinesBreakAtCarriageReturns_data();
    void alertLinesBreakAtCarriageReturns();
};

void TestQtDialogTexts::nameFiltersCarryTheRealPatterns_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("buffer files") << "Desc A (*.bin)|*.bin|Desc B (*.*)|*.*"
                                  << QStringList{"Desc A (*.bin)", "Desc B (*)"};
    QTest::newRow("description without patterns")
        << "Binary files|*.bin" << QStringList{"Binary files (*.bin)"};
    QTest::newRow("several patterns")
        << "Images (*.bin)|*.bin; *.rom" << QStringList{"Images (*.bin *.rom)"};
    QTest::newRow("no filter") << "" << QStringList{};
    QTest::newRow("description left without pattern")
        << "Desc A (*.bin)|*.bin|Dangling" << QStringList{"Desc A (*.bin)"};
}

// Qt takes the patterns from the parentheses that end a name filter and separates them with
// spaces; "*.*" would hide every name without an extension.
void TestQtDialogTexts::nameFiltersCarryTheRealPatterns() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtNameFilters(filter.toStdString()), expected);
}

void TestQtDialogTexts::alertLinesBreakAtCarriageReturns_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one line") << "Device not ready."
                              << "Device not ready.";
    QTest::newRow("two lines") << "Verify failed\rat 0x0010"
                               << "Verify failed\nat 0x0010";
    QTest::newRow("blank line kept") << "Error\r\rRetry?"
                                     << "Error\n\nRetry?";
    QTest::newRow("line break pair") << "one\r\ntwo"
                                     << "one\ntwo";
    QTest::newRow("trailing") << "done\r"
                              << "done\n";
}

void TestQtDialogTexts::alertLinesBreakAtCarriageReturns() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(alertText(text.toStdString()), expected);
}

QTEST_GUILESS_MAIN(TestQtDialogTexts)
#include "qt_dialog_texts_test.moc"
