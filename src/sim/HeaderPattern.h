#pragma once

#include <QByteArray>
#include <QList>

namespace zor::sim {

// One command header of the instrument in SCPI notation, e.g.
// "[SOURce]:STEReo:DEViation" or "OUTPut[:STATe]". Each node accepts its long
// form or its short form (the capital letters: STEReo -> STER) in any letter
// case; nodes in brackets may be left out; "IMPedanz|IMPedance" offers
// alternatives for one node.
class HeaderPattern {
  public:
    explicit HeaderPattern(const QByteArray& pattern);

    // `nodes` are the header nodes as written, without colons or "?".
    bool matches(const QList<QByteArray>& nodes) const;

  private:
    struct Node {
        QList<QByteArray> longForms;
        QList<QByteArray> shortForms;
        bool optional = false;
    };

    void addNode(const QByteArray& text, bool optional);
    bool nodeMatches(const Node& node, const QByteArray& written) const;
    bool matchFrom(qsizetype patternIndex, const QList<QByteArray>& nodes,
                   qsizetype nodeIndex) const;

    QList<Node> nodes_;
};

} // namespace zor::sim
