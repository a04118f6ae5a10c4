#pragma once
// The one main of every window test: the offscreen platform unless the environment chose one, the
// application as Qt Test sets it up, and a watchdog over the whole run that fails it when a real modal
// window appeared (a path that bypassed the services).

#include <QObject>

#include <functional>
#include <memory>

namespace platform::testing
{

int runWindowTests(int argc, char *argv[], const std::function<std::unique_ptr<QObject>()> &makeTest);

} // namespace platform::testing

#define KOVALIN_WINDOW_TEST_MAIN(TestClass)                                                                            \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        return platform::testing::runWindowTests(argc, argv, [] {                                                      \
            return std::make_unique<TestClass>();                                                                      \
        });                                                                                                            \
    }
