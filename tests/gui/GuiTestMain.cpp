// Runs every registered QtTest class; the exit code counts the failed test functions.
#include <QApplication>
#include <QtTest>

#include "GuiTest.h"

namespace morvik::test {
std::vector<TestFactory>& RegisteredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}
}  // namespace morvik::test

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // never a real display, never a blocking dialog
    }
    QApplication application(argc, argv);
    int failures = 0;
    for (const auto& factory : morvik::test::RegisteredTests()) {
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
