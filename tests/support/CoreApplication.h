#pragma once

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

// The application object core tests need for an event loop (child processes,
// timers): made on first need, ended by gtest when the run ends.
class CoreApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { app.reset(); }
    std::unique_ptr<QCoreApplication> app;
};

inline void NeedCoreApplication() {
    // gtest owns the environments it is given.
    static auto* const environment = static_cast<CoreApplicationEnvironment*>(
        ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment));
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        environment->app = std::make_unique<QCoreApplication>(argc, argv);
}
