#include "Rig.h"
#include "TestPrinting.h"
#include "app/UserTexts.h"
#include "platform/qt/QtBinaryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace korvanel;
using namespace korvanel::test;

namespace {

std::vector<std::uint8_t> pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = std::uint8_t(i * 7 + i / 256);
    }
    return bytes;
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

std::string name(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

// A started program with real files in a scratch folder.
struct FileRig : Rig {
    QtBinaryFile realFiles;
    QTemporaryDir dir;
    FileRig() : Rig(&realFiles) { startIdentified(); }

    std::string path(const std::string& file) const {
        return dir.filePath(QString::fromStdString(file)).toStdString();
    }
    void load(const std::string& path) {
        dialog.answers.push_back(FileChoice{path, name(path)});
        form.mnuLoad_Click();
    }
    void save(const std::string& path) {
        dialog.answers.push_back(FileChoice{path, name(path)});
        form.mnuSave_Click();
    }
};

// What the window shows about the buffer, and the buffer itself.
struct Shown {
    std::vector<std::uint8_t> bytes;
    std::string caption, source;
    bool saveEnabled;
    bool operator==(const Shown&) const = default;
};

Shown shown(const Rig& rig) {
    const auto bytes = rig.form.state().buf.bytes();
    return {{bytes.begin(), bytes.end()},
            rig.view.caption,
            rig.view.bufferSource,
            rig.view.saveEnabled};
}

} // namespace

namespace QTest {
template <> inline char* toString(const Shown& s) {
    return qstrdup((std::to_string(s.bytes.size()) + " bytes, \"" + s.caption + "\", \"" +
                    s.source + "\", save " + (s.saveEnabled ? "on" : "off"))
                       .c_str());
}
} // namespace QTest

class BufferTest : public QObject {
    Q_OBJECT

  private slots:
    void loadThenSaveGivesAnIdenticalCopy_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("largest chip") << 32768;
        QTest::newRow("odd size") << 1000;
    }

    void loadThenSaveGivesAnIdenticalCopy() {
        QFETCH(int, size);
        FileRig rig;
        const auto original = pattern(std::size_t(size));
        writeFile(rig.path("dump.bin"), original);

        rig.load(rig.path("dump.bin"));
        QCOMPARE(rig.form.state().buf.len(), size);
        QCOMPARE(shown(rig),
                 (Shown{original, "Korvanel V1.6 - dump.bin", rig.path("dump.bin"), true}));

        rig.save(rig.path("copy.bin"));
        QCOMPARE(readFile(rig.path("copy.bin")), original);
        QVERIFY(QFile::exists(QString::fromStdString(rig.path("copy.bin"))));
        QCOMPARE(shown(rig),
                 (Shown{original, "Korvanel V1.6 - copy.bin", rig.path("copy.bin"), true}));
        QVERIFY(rig.alerts.log.empty());
    }

    void dialogsAreOfferedAsTheUserKnowsThem() {
        FileRig rig;
        rig.form.mnuLoad_Click();
        rig.form.mnuSave_Click();
        QCOMPARE(rig.dialog.shown.size(), std::size_t(2));
        const auto& open = rig.dialog.shown[0];
        QCOMPARE(open.flags, 0x80004u);
        QCOMPARE(open.title, "Upis datoteke u bafer");
        QCOMPARE(open.filter, "Binarni fajlovi (*.bin)|*.bin|Svi fajlovi (*.*)|*.*");
        QCOMPARE(open.fileName, "");
        const auto& save = rig.dialog.shown[1];
        QCOMPARE(save.flags, 6u);
        QCOMPARE(save.title, "Save - bafer u fajl");
        QCOMPARE(save.filter, "Binarni fajl (*.bin)|*.bin");
        QCOMPARE(save.fileName, "novi1.bin");
        QCOMPARE(save.defaultSuffix, "bin");
    }

    void cancelledDialogsChangeNothing() {
        FileRig rig;
        writeFile(rig.path("a.bin"), pattern(10));
        rig.load(rig.path("a.bin"));
        const Shown before = shown(rig);
        rig.form.mnuLoad_Click();
        rig.form.mnuSave_Click();
        QCOMPARE(shown(rig), before);
        QVERIFY(rig.alerts.log.empty());
        QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files), QStringList{"a.bin"});
    }

    void clearGivesTheSameStateWhateverTheBufferHeld_data() {
        QTest::addColumn<int>("filled");
        QTest::newRow("empty") << 0;
        QTest::newRow("from a file") << 1;
        QTest::newRow("from the chip") << 2;
    }

    void clearGivesTheSameStateWhateverTheBufferHeld() {
        QFETCH(int, filled);
        FileRig rig;
        if (filled == 1) {
            writeFile(rig.path("a.bin"), pattern(300));
            rig.load(rig.path("a.bin"));
        } else if (filled == 2) {
            rig.form.mnuRead_Click();
            QCOMPARE(rig.view.bufferSource, "Novi chip");
        }
        rig.form.mnuClear_Click();
        QCOMPARE(shown(rig), (Shown{{}, "Korvanel V1.6", "P r a z a n", false}));
    }

    // A load that fails leaves everything as it was and never creates a file.
    void loadFailures_data() {
        QTest::addColumn<std::string>("file");
        QTest::addColumn<std::string>("message");
        QTest::newRow("missing") << std::string("missing.bin")
                                 << std::string("No such file or directory");
        QTest::newRow("missing folder")
            << std::string("nowhere/x.bin") << std::string("No such file or directory");
    }

    void loadFailures() {
        QFETCH(std::string, file);
        QFETCH(std::string, message);
        FileRig rig;
        writeFile(rig.path("a.bin"), pattern(5));
        rig.load(rig.path("a.bin"));
        const Shown before = shown(rig);
        rig.load(rig.path(file));
        QCOMPARE(rig.alerts.messages(), std::vector<std::string>{message});
        QCOMPARE(shown(rig), before);
        QVERIFY(!QFile::exists(QString::fromStdString(rig.path(file))));
    }

    void fileInAReadOnlyFolderLoads() {
        FileRig rig;
        QDir(rig.dir.path()).mkdir("ro");
        writeFile(rig.path("ro/a.bin"), pattern(64));
        QFile::setPermissions(QString::fromStdString(rig.path("ro/a.bin")), QFile::ReadOwner);
        QFile::setPermissions(QString::fromStdString(rig.path("ro")),
                              QFile::ReadOwner | QFile::ExeOwner);
        rig.load(rig.path("ro/a.bin"));
        QCOMPARE(rig.form.state().buf.len(), 64);
        QVERIFY(rig.alerts.log.empty());
        QFile::setPermissions(QString::fromStdString(rig.path("ro")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void fileTooLargeForTheBufferIsRefused() {
        FileRig rig;
        QFile big(QString::fromStdString(rig.path("big.bin")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(qint64(Buffer::maxBytes) + 1));
        big.close();
        rig.load(rig.path("big.bin"));
        QCOMPARE(rig.alerts.messages(),
                 std::vector<std::string>{"Fajl je prevelik za bafer: najvise 16777216 bajtova !"});
        QCOMPARE(shown(rig), (Shown{{}, "Korvanel V1.6", "P r a z a n", false}));
    }

    void saveThatFailsKeepsTheOldFileAndSaysWhy() {
        FileRig rig;
        writeFile(rig.path("a.bin"), pattern(20));
        rig.load(rig.path("a.bin"));
        const Shown before = shown(rig);
        const std::string target = rig.path("nowhere/b.bin");
        rig.save(target);
        const auto messages = rig.alerts.messages();
        QCOMPARE(messages.size(), std::size_t(1));
        QVERIFY(messages[0].starts_with("Greska pri snimanju fajla " + target + " !\r"));
        QVERIFY(messages[0].size() > ("Greska pri snimanju fajla " + target + " !\r").size());
        QCOMPARE(shown(rig), before);
    }

    void saveIntoAReadOnlyFolderFails() {
        if (geteuid() == 0) {
            QSKIP("permissions do not stop root from writing");
        }
        FileRig rig;
        rig.form.mnuRead_Click();
        QDir(rig.dir.path()).mkdir("ro");
        QFile::setPermissions(QString::fromStdString(rig.path("ro")),
                              QFile::ReadOwner | QFile::ExeOwner);
        rig.save(rig.path("ro/b.bin"));
        QCOMPARE(rig.alerts.messages().size(), std::size_t(1));
        QCOMPARE(rig.view.bufferSource, "Novi chip");
        QVERIFY(!QFile::exists(QString::fromStdString(rig.path("ro/b.bin"))));
    }

    void diskFullKeepsTheOldFile() {
        Rig rig;
        rig.startIdentified();
        rig.files.files["/d/old.bin"] = {1, 2, 3};
        rig.loadBuffer(pattern(100));
        const Shown before = shown(rig);
        rig.files.diskFullAfter = 10;
        rig.dialog.answers.push_back(FileChoice{"/d/old.bin", "old.bin"});
        rig.form.mnuSave_Click();
        QCOMPARE(rig.files.files["/d/old.bin"], (std::vector<std::uint8_t>{1, 2, 3}));
        QCOMPARE(rig.alerts.messages(),
                 std::vector<std::string>{
                     "Greska pri snimanju fajla /d/old.bin !\rNo space left on device"});
        QCOMPARE(shown(rig), before);
    }

    void saveOverAnExistingFileLeavesExactlyTheBuffer_data() {
        QTest::addColumn<int>("oldSize");
        QTest::newRow("longer file") << 5000;
        QTest::newRow("shorter file") << 3;
    }

    void saveOverAnExistingFileLeavesExactlyTheBuffer() {
        QFETCH(int, oldSize);
        FileRig rig;
        writeFile(rig.path("old.bin"), std::vector<std::uint8_t>(std::size_t(oldSize), 0xEE));
        writeFile(rig.path("a.bin"), pattern(256));
        rig.load(rig.path("a.bin"));
        rig.save(rig.path("old.bin"));
        QCOMPARE(readFile(rig.path("old.bin")), pattern(256));
    }

    // Only the file's own name decides whether ".bin" is added.
    void binExtension_data() {
        QTest::addColumn<std::string>("chosen");
        QTest::addColumn<std::string>("written");
        QTest::newRow("no extension") << std::string("image") << std::string("image.bin");
        QTest::newRow("dot in the folder only")
            << std::string("v1.2/image") << std::string("v1.2/image.bin");
        QTest::newRow("own extension") << std::string("image.eep") << std::string("image.eep");
    }

    void binExtension() {
        QFETCH(std::string, chosen);
        QFETCH(std::string, written);
        FileRig rig;
        QDir(rig.dir.path()).mkdir("v1.2");
        rig.form.mnuRead_Click();
        rig.save(rig.path(chosen));
        QVERIFY(QFile::exists(QString::fromStdString(rig.path(written))));
        QCOMPARE(rig.view.bufferSource, rig.path(written));
        QCOMPARE(rig.view.caption, "Korvanel V1.6 - " + name(written));
        if (chosen != written) {
            QVERIFY(!QFile::exists(QString::fromStdString(rig.path(chosen))));
        }
    }
};

QTEST_GUILESS_MAIN(BufferTest)
#include "buffer_test.moc"
