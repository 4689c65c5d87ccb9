#pragma once

#include <QPlainTextEdit>

namespace zor {

// A multi-line text field that holds at most maxLength() characters, however
// the text arrives: typing, pasting, dropping or setPlainText. What does not
// fit is cut from the text just entered.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit LimitedTextEdit(int maxLength, QWidget* parent = nullptr);

    int maxLength() const { return maxLength_; }

  private:
    void cutExcess();

    int maxLength_;
    bool cutting_ = false;
};

} // namespace zor
