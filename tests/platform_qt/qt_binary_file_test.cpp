#include "platform/qt/QtBinaryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

using korvanel::QtBinaryFile;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return bytes;
}

bool writeRaw(const QString& path, const Bytes& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

Bytes readRaw(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

// Lowers the largest file the process may write, as a full disk would, for one scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        applied_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        // Over the limit a write fails with EFBIG, once this signal no longer kills.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool applied() const { return applied_; }

  private:
    rlimit saved_{};
    bool applied_ = false;
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

class TestQtBinaryFile : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void readsAFileInAReadOnlyDirectory();
    void readOfAMissingFileFailsWithoutCreatingIt();
    void readOfADirectoryFails();
    void readRefusesAFileLongerThanTheLimit_data();
    void readRefusesAFileLongerThanTheLimit();
    void writeReplacesTheContentExactly_data();
    void writeReplacesTheContentExactly();
    void writeIntoAMissingDirectoryFailsAndCreatesNothing();
    void writeCutShortLeavesTheOldFileUntouched();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QtBinaryFile files_;
};

void TestQtBinaryFile::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestQtBinaryFile::readsAFileInAReadOnlyDirectory() {
    const QString sub = dir_->filePath("locked");
    QVERIFY(QDir().mkdir(sub));
    const QString path = sub + "/chip.bin";
    const Bytes content = pattern(300);
    QVERIFY(writeRaw(path, content));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));

    const auto result = files_.readAll(path.toStdString(), 1024);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(result.ok, result.error.c_str());
    QVERIFY(!result.tooLarge);
    QCOMPARE(result.bytes, content);
}

void TestQtBinaryFile::readOfAMissingFileFailsWithoutCreatingIt() {
    const QString path = dir_->filePath("missing.bin");
    const auto result = files_.readAll(path.toStdString(), 1024);
    QVERIFY(!result.ok);
    QVERIFY(!result.tooLarge);
    QVERIFY(!result.error.empty());
    QVERIFY(!QFile::exists(path));
}

void TestQtBinaryFile::readOfADirectoryFails() {
    const auto result = files_.readAll(dir_->path().toStdString(), 1024);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.empty());
}

void TestQtBinaryFile::readRefusesAFileLongerThanTheLimit_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("empty file") << 0 << 0 << false;
    QTest::newRow("exactly the limit") << 32768 << 32768 << false;
    QTest::newRow("one byte over") << 32769 << 32768 << true;
    QTest::newRow("far over") << 65536 << 16 << true;
}

void TestQtBinaryFile::readRefusesAFileLongerThanTheLimit() {
    QFETCH(int, size);
    QFETCH(int, limit);
    QFETCH(bool, tooLarge);
    const QString path = dir_->filePath("chip.bin");
    const Bytes content = pattern(static_cast<std::size_t>(size));
    QVERIFY(writeRaw(path, content));

    const auto result = files_.readAll(path.toStdString(), static_cast<std::size_t>(limit));
    QCOMPARE(result.tooLarge, tooLarge);
    QCOMPARE(result.ok, !tooLarge);
    QCOMPARE(result.bytes, tooLarge ? Bytes{} : content);
}

void TestQtBinaryFile::writeReplacesTheContentExactly_data() {
    QTest::addColumn<bool>("oldExists");
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newSize");
    QTest::newRow("new file") << false << 0 << 256;
    QTest::newRow("longer old file") << true << 4096 << 256;
    QTest::newRow("shorter old file") << true << 16 << 256;
    QTest::newRow("emptied") << true << 256 << 0;
}

void TestQtBinaryFile::writeReplacesTheContentExactly() {
    QFETCH(bool, oldExists);
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    const QString path = dir_->filePath("chip.bin");
    if (oldExists) {
        QVERIFY(writeRaw(path, Bytes(static_cast<std::size_t>(oldSize), 0xEE)));
    }
    const Bytes content = pattern(static_cast<std::size_t>(newSize));

    const auto result = files_.writeAll(path.toStdString(), content);
    QVERIFY2(result.ok, result.error.c_str());
    QCOMPARE(readRaw(path), content);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"chip.bin"});
}

void TestQtBinaryFile::writeIntoAMissingDirectoryFailsAndCreatesNothing() {
    const QString path = dir_->filePath("gone/chip.bin");
    const auto result = files_.writeAll(path.toStdString(), pattern(16));
    QVERIFY(!result.ok);
    QVERIFY(!result.error.empty());
    QVERIFY(QDir(dir_->path()).isEmpty());
}

// Running out of room half way must not cost the user the file that was there. A file size
// limit fails the write the way a full disk does, and binds root as well.
void TestQtBinaryFile::writeCutShortLeavesTheOldFileUntouched() {
    const QString path = dir_->filePath("chip.bin");
    const Bytes old = pattern(100);
    QVERIFY(writeRaw(path, old));

    korvanel::FileWriteResult result;
    {
        FileSizeLimit limit(1024);
        QVERIFY(limit.applied());
        result = files_.writeAll(path.toStdString(), Bytes(64 * 1024, 0x5A));
    }
    QVERIFY(!result.ok);
    QVERIFY(!result.error.empty());
    QCOMPARE(readRaw(path), old);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"chip.bin"});
}

QTEST_GUILESS_MAIN(TestQtBinaryFile)
#include "qt_binary_file_test.moc"
