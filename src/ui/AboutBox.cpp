#include "ui/AboutBox.h"

namespace zor {

QString aboutText() {
    return QStringLiteral("\nRDS/Stero Remote Software for ZOR-Q7\n\n"
                          "Supported IEEE-Interface: National Instruments\n\n");
}

} // namespace zor
