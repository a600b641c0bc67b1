#pragma once

#include <QTest>

namespace korvanel::test {

template <class Test> int runTest(int argc, char** argv) {
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// Runs several test classes from one executable, in order; fails when any of them fails.
template <class... Tests> int runTests(int argc, char** argv) {
    int status = 0;
    ((status |= runTest<Tests>(argc, argv)), ...);
    return status;
}

} // namespace korvanel::test
