#pragma once

#include <QString>

namespace zor {

// The status strip at the top of the window, seen from a page: the label
// array `Status` whose value fields show what was last sent.
class StatusLine {
  public:
    virtual ~StatusLine() = default;

    // Sets the text of `Status(index)`.
    virtual void showStatus(int index, const QString& text) = 0;
    // The text `Status(index)` shows.
    virtual QString statusText(int index) const = 0;
};

} // namespace zor
