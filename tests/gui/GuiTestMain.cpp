// Runs the registered QtTest classes: all of them, or with "--class NAME" only that one (the build's ctest
// entries, so that a failure names its window). The exit code counts the failed test functions.
#include <QApplication>
#include <QtTest>
#include <cstring>
#include <iostream>

#include "GuiTest.h"

namespace morvik::test {
std::vector<RegisteredTest>& RegisteredTests()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}
}  // namespace morvik::test

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // never a real display, never a blocking dialog
    }
    // "--class NAME" is ours; every other argument goes on to QtTest.
    const char* only = nullptr;
    std::vector<char*> arguments;
    for (int index = 0; index < argc; ++index) {
        if (std::strcmp(argv[index], "--class") == 0 && index + 1 < argc) {
            only = argv[++index];
            continue;
        }
        arguments.push_back(argv[index]);
    }
    int count = static_cast<int>(arguments.size());
    QApplication application(count, arguments.data());
    int failures = 0;
    bool found = false;
    for (const auto& test : morvik::test::RegisteredTests()) {
        if (only && test.name != only) continue;
        found = true;
        const std::unique_ptr<QObject> object = test.factory();
        failures += QTest::qExec(object.get(), count, arguments.data());
    }
    if (only && !found) {
        std::cerr << "no test class " << only << "\n";
        return 1;
    }
    return failures;
}
