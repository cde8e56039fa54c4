#pragma once

#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QTest>

// What every test needs, widgets or not; the core's tests link only this and the core.
namespace TestSupport {

// Fresh XDG_CONFIG_HOME and XDG_RUNTIME_DIR folders, so no test touches a user's settings, and US conventions.
void isolateEnvironment();

// The sample corpus folder (empty where it is not beside the project), and its *.rtf files by name.
QString corpusDir();
QStringList corpusRtfFiles();

// True where wall-clock budgets mean something: an optimized build without sanitizers.
bool timingsApply();

} // namespace TestSupport

// A test main without widgets that isolates settings before the application object exists.
#define MORTARIX_CORE_TEST_MAIN(TestObject)                                                                  \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        TestSupport::isolateEnvironment();                                                                   \
        QGuiApplication app(argc, argv);                                                                     \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
