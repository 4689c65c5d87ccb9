#pragma once

#include <QPlainTextEdit>

namespace zor {

// A multi-line text field into which the operator enters at most
// maxLength() characters, however the text arrives: typing, pasting or
// dropping. What does not fit is cut from the text just entered. A text the
// program shows (a stored value longer than that) stays whole; the field
// then only lets it get shorter.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit LimitedTextEdit(int maxLength, QWidget* parent = nullptr);

    int maxLength() const { return maxLength_; }

    // Shows `text` whole, whatever its length.
    void showText(const QString& text);

  private:
    void cutExcess();
    int length() const;

    int maxLength_;
    // The longest the text may be after an entry: the limit, or the length
    // of a longer text before it.
    int allowed_;
    bool cutting_ = false;
};

} // namespace zor
