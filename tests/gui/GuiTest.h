#pragma once
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace morvik::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
struct RegisteredTest {
    std::string name;
    TestFactory factory;
};
std::vector<RegisteredTest>& RegisteredTests();

struct TestRegistration {
    TestRegistration(std::string name, TestFactory factory)
    {
        RegisteredTests().push_back({std::move(name), std::move(factory)});
    }
};

}  // namespace morvik::test

// Registers a QtTest class (defined in a .cpp that includes its own .moc) with the one test executable. The
// build gives every registered class its own ctest entry (tests/gui/CMakeLists.txt finds this macro's uses).
// clang-format off
#define MORVIK_GUI_TEST(Class)                                        \
    static const ::morvik::test::TestRegistration registration##Class \
        {#Class, [] { return std::unique_ptr<QObject>(new Class); }}
// clang-format on
