#pragma once

// The window tests of a folder share one program, which saves a compile and a link
// per test file. Each of its sources is compiled with this file included first, so a
// test file's QTEST_MAIN (or QTEST_GUILESS_MAIN) registers its class under the file's
// name instead of defining main; WindowTestMain.cpp runs the class it is asked for.

#include <QTest>

namespace grd::test {

using WindowTestRun = int (*)(int argc, char* argv[]);

bool registerWindowTest(const char* file, WindowTestRun run);

} // namespace grd::test

#undef QTEST_MAIN_WRAPPER
#define QTEST_MAIN_WRAPPER(TestObject, ...)                                                        \
    static int runWindowTest(int argc, char* argv[]) {                                             \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    [[maybe_unused]] static const bool windowTestRegistered =                                      \
        grd::test::registerWindowTest(__FILE__, runWindowTest);
