#pragma once

#include <QByteArray>
#include <QList>

namespace zor::sim {

// Cuts received bytes into lines. LF ends a line, so does CR; a CR followed
// directly by LF is one terminator (CR LF), so the program's lone wake-up CR
// arrives as an empty line. Lines come back without their terminators, empty
// ones included.
class LineAssembler {
  public:
    QList<QByteArray> feed(const QByteArray& bytes);
    // The bytes after the last terminator; a bus message ends with END, not
    // with a terminator, so its last line is taken from here.
    QByteArray takeRest();

  private:
    QByteArray partial_;
    bool afterCr_ = false;
};

} // namespace zor::sim
