#pragma once

#include "sim/RdsFrame.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace zor::sim {

// The groups on air as text, one group a line in the hex form RDS decoders
// log and read: blocks A to D as four hexadecimal words ("D3C3 0408 E0CD
// 5241"). A slot of test pattern is a line of four "----", the mark for
// blocks a decoder could not receive; nothing is written while RDS is off.
class HexWriter {
  public:
    bool open(const QString& path, QString* error);
    bool isOpen() const { return file_.isOpen(); }
    // True when a line was written.
    bool write(const RdsFrame& frame);

    static QByteArray line(const RdsFrame& frame);

  private:
    QFile file_;
};

} // namespace zor::sim
