#pragma once
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace morvik::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& RegisteredTests();

struct TestRegistration {
    explicit TestRegistration(TestFactory factory) { RegisteredTests().push_back(std::move(factory)); }
};

}  // namespace morvik::test

// Registers a QtTest class (defined in a .cpp that includes its own .moc) with the one test executable.
#define MORVIK_GUI_TEST(Class)                                                                          \
    static const ::morvik::test::TestRegistration registration##Class{                                  \
        [] { return std::unique_ptr<QObject>(new Class); }}
