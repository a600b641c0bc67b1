#include "platform/qt/QtProgramExit.h"
#include "platform/qt/QtSettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

using korvanel::QtProgramExit;
using korvanel::QtSettingsStore;

class TestQtProgramExit : public QObject {
    Q_OBJECT

  private slots:
    void endsAtOnceWithCodeZeroAfterFlushingOutput();
};

// Run in a child process, whose output goes to a pipe and so is fully buffered: what it wrote
// must come out, and its exit handlers must not run.
void TestQtProgramExit::endsAtOnceWithCodeZeroAfterFlushingOutput() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    int output[2];
    QVERIFY(::pipe(output) == 0);

    // Nothing of this process's own output may be left for the child to write out again.
    std::fflush(nullptr);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::close(output[0]);
        ::dup2(output[1], STDOUT_FILENO);
        std::atexit([] { std::printf("exit-handler "); });
        QtSettingsStore settings(dir.filePath("settings.ini"));
        QtProgramExit exit(settings);
        std::printf("stdio ");
        std::cout << "stream ";
        exit.endProgram();
    }

    ::close(output[1]);
    std::string written;
    char chunk[256];
    for (ssize_t got; (got = ::read(output[0], chunk, sizeof chunk)) > 0;) {
        written.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(output[0]);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);

    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(written, std::string("stdio stream "));
}

QTEST_GUILESS_MAIN(TestQtProgramExit)
#include "qt_program_exit_test.moc"
