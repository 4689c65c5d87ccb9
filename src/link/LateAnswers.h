#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <deque>

namespace zor {

// The answer lines the instrument still owes on the serial line. A query
// that heard nothing within its pause gives up, but its answer may still
// come: the instrument answers every query with one line, in the order
// asked. Such a line is nobody's answer any more, and it is dropped wherever
// it turns up, also in the middle of a later query's wait, where it would
// otherwise pass for that query's answer. A line that has not come within
// 3 s, the bus's read time-out, is no longer expected.
class LateAnswers {
public:
    // The query just sent gave up without a byte of its answer.
    void expect();
    bool owing() const { return !owed_.empty(); }
    // `arrived` without the owed lines at its front; a line whose end has
    // not arrived yet is dropped as far as it goes.
    QByteArray drop(QByteArray arrived);
    // A new connection owes nothing.
    void forget() { owed_.clear(); }

private:
    std::deque<QDeadlineTimer> owed_;
};

} // namespace zor
