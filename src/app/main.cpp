#include "app/WindowProgram.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Help and mistakes are answered before any window system is needed.
    const zor::WindowArguments parsed = zor::parseWindowArguments(arguments);
    if (parsed.help) {
        std::printf("%s", qUtf8Printable(zor::windowUsage()));
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "zor-rds: %s\nsee 'zor-rds --help'\n", qUtf8Printable(parsed.error));
        return 2;
    }
    QApplication app(argc, argv);
    return zor::runWindowProgram(parsed, QApplication::applicationDirPath());
}
