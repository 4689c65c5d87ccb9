#include "panel/LimitedTextEdit.h"

#include <QTextCursor>
#include <QTextDocument>

namespace zor {

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength) {
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::cutExcess);
}

void LimitedTextEdit::cutExcess() {
    if (cutting_)
        return;
    // characterCount() counts the closing paragraph mark as well.
    const int excess = document()->characterCount() - 1 - maxLength_;
    if (excess <= 0)
        return;
    cutting_ = true;
    QTextCursor cursor = textCursor();
    const int position = cursor.position();
    if (position >= excess) {
        cursor.setPosition(position - excess);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(maxLength_);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    setTextCursor(cursor);
    cutting_ = false;
}

} // namespace zor
