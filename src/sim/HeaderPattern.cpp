#include "sim/HeaderPattern.h"

#include <cctype>

namespace zor::sim {

namespace {

QByteArray shortFormOf(const QByteArray& mnemonic) {
    QByteArray shortForm;
    for (char c : mnemonic) {
        if (!std::islower(static_cast<unsigned char>(c)))
            shortForm += c;
    }
    return shortForm;
}

} // namespace

HeaderPattern::HeaderPattern(const QByteArray& pattern) {
    qsizetype i = 0;
    while (i < pattern.size()) {
        if (pattern[i] == ':') {
            ++i;
        } else if (pattern[i] == '[') {
            const qsizetype end = pattern.indexOf(']', i);
            QByteArray inner = pattern.mid(i + 1, end - i - 1);
            if (inner.startsWith(':'))
                inner.remove(0, 1);
            addNode(inner, true);
            i = end + 1;
        } else {
            qsizetype end = i;
            while (end < pattern.size() && pattern[end] != ':' && pattern[end] != '[')
                ++end;
            addNode(pattern.mid(i, end - i), false);
            i = end;
        }
    }
}

void HeaderPattern::addNode(const QByteArray& text, bool optional) {
    Node node;
    node.optional = optional;
    for (const QByteArray& mnemonic : text.split('|')) {
        node.longForms.append(mnemonic.toUpper());
        node.shortForms.append(shortFormOf(mnemonic));
    }
    nodes_.append(node);
}

bool HeaderPattern::matches(const QList<QByteArray>& nodes) const {
    return matchFrom(0, nodes, 0);
}

bool HeaderPattern::nodeMatches(const Node& node, const QByteArray& written) const {
    const QByteArray upper = written.toUpper();
    return node.longForms.contains(upper) || node.shortForms.contains(upper);
}

bool HeaderPattern::matchFrom(qsizetype patternIndex, const QList<QByteArray>& nodes,
                              qsizetype nodeIndex) const {
    if (patternIndex == nodes_.size())
        return nodeIndex == nodes.size();
    const Node& node = nodes_[patternIndex];
    if (nodeIndex < nodes.size() && nodeMatches(node, nodes[nodeIndex]) &&
        matchFrom(patternIndex + 1, nodes, nodeIndex + 1))
        return true;
    return node.optional && matchFrom(patternIndex + 1, nodes, nodeIndex);
}

} // namespace zor::sim
