#include "platform/qt/QtSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using korvanel::QtSettingsStore;

class TestQtSettingsStore : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void missingKeyGivesFallback();
    void textRoundTripsExactlyThroughTheFile_data();
    void textRoundTripsExactlyThroughTheFile();
    void sectionsKeepTheirOwnKeys();
    void saveReportsAFileItCannotWrite();

  private:
    QString iniPath() const { return dir_->filePath("settings.ini"); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestQtSettingsStore::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestQtSettingsStore::missingKeyGivesFallback() {
    QtSettingsStore store(iniPath());
    QCOMPARE(store.get("Korvanel", "Ports", "COM1", "fallback"), std::string("fallback"));
    QVERIFY(store.save("Korvanel", "Ports", "COM2", "/dev/ttyUSB0"));
    QCOMPARE(store.get("Korvanel", "Ports", "COM1", "fallback"), std::string("fallback"));
}

void TestQtSettingsStore::textRoundTripsExactlyThroughTheFile_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("device name") << "/dev/ttyUSB0";
    // Stored empty is not the same as never stored.
    QTest::newRow("empty") << "";
    QTest::newRow("number") << "3";
    QTest::newRow("ini syntax") << "a=b; c, d [e] #f \"g\"";
    QTest::newRow("outer spaces") << "  padded  ";
    QTest::newRow("line breaks") << "one\rtwo\nthree";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Gerät µC 24C256 – ö");
}

void TestQtSettingsStore::textRoundTripsExactlyThroughTheFile() {
    QFETCH(QString, text);
    const std::string stored = text.toStdString();
    {
        QtSettingsStore store(iniPath());
        QVERIFY(store.save("Korvanel", "Section", "Key", stored));
        QCOMPARE(store.get("Korvanel", "Section", "Key", "fallback"), stored);
    }
    QVERIFY(QFile::exists(iniPath()));
    QtSettingsStore reopened(iniPath());
    QCOMPARE(reopened.get("Korvanel", "Section", "Key", "fallback"), stored);
}

void TestQtSettingsStore::sectionsKeepTheirOwnKeys() {
    QtSettingsStore store(iniPath());
    QVERIFY(store.save("Korvanel", "Ports", "Last", "COM1"));
    QVERIFY(store.save("Korvanel", "Files", "Last", "dump.bin"));
    QVERIFY(store.save("Korvanel", "Ports", "Last", "COM4"));
    QCOMPARE(store.get("Korvanel", "Ports", "Last", ""), std::string("COM4"));
    QCOMPARE(store.get("Korvanel", "Files", "Last", ""), std::string("dump.bin"));
}

// A path below a plain file cannot be created, not even by root.
void TestQtSettingsStore::saveReportsAFileItCannotWrite() {
    QFile blocker(dir_->filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QtSettingsStore store(dir_->filePath("blocker/settings.ini"));
    QVERIFY(!store.save("Korvanel", "Ports", "COM1", "/dev/ttyS0"));
}

QTEST_GUILESS_MAIN(TestQtSettingsStore)
#include "qt_settings_store_test.moc"
