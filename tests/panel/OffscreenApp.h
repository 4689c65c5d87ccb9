#pragma once

#include <QApplication>

namespace zor::test {

// The one QApplication of a test program, created on first use without a
// screen. It lives until the program ends.
inline QApplication& offscreenApp() {
    static QApplication* const app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zor-test";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace zor::test
