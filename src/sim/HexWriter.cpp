#include "sim/HexWriter.h"

namespace zor::sim {

bool HexWriter::open(const QString& path, QString* error) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        *error = QStringLiteral("cannot write the hex file %1: %2").arg(path, file_.errorString());
        return false;
    }
    return true;
}

QByteArray HexWriter::line(const RdsFrame& frame) {
    switch (frame.kind()) {
    case RdsFrame::Kind::Silent:
        return {};
    case RdsFrame::Kind::TestPattern:
        return "---- ---- ---- ----\n";
    case RdsFrame::Kind::Group:
        break;
    }
    QByteArray text;
    for (std::uint16_t word : frame.words())
        text += QByteArray::number(word, 16).rightJustified(4, '0').toUpper() + ' ';
    text.chop(1);
    return text + '\n';
}

bool HexWriter::write(const RdsFrame& frame) {
    const QByteArray text = line(frame);
    if (text.isEmpty())
        return false;
    return file_.write(text) == text.size();
}

} // namespace zor::sim
