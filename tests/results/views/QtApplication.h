// The one QApplication of a widget test executable, made on first use.
#pragma once

#include <QApplication>
#include <gtest/gtest.h>

namespace quadrilo::results::fixtures {

inline void EnsureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "results_views_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from the exit handlers crashes in its input devices.
    new QApplication(argc, argv);
}

// A widget test: the application exists before the fixture's own widgets are made.
class WidgetTest : public ::testing::Test {
protected:
    WidgetTest() { EnsureApplication(); }
};

} // namespace quadrilo::results::fixtures
