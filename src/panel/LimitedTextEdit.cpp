#include "panel/LimitedTextEdit.h"

#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace zor {

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength), allowed_(maxLength) {
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::cutExcess);
}

void LimitedTextEdit::showText(const QString& text) {
    {
        const QScopedValueRollback quiet(cutting_, true);
        setPlainText(text);
    }
    allowed_ = std::max(maxLength_, length());
}

// characterCount() counts the closing paragraph mark as well.
int LimitedTextEdit::length() const {
    return document()->characterCount() - 1;
}

void LimitedTextEdit::cutExcess() {
    if (cutting_)
        return;
    const int excess = length() - allowed_;
    if (excess > 0) {
        const QScopedValueRollback quiet(cutting_, true);
        QTextCursor cursor = textCursor();
        const int position = cursor.position();
        if (position >= excess) {
            cursor.setPosition(position - excess);
            cursor.setPosition(position, QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(allowed_);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        }
        cursor.removeSelectedText();
        setTextCursor(cursor);
    }
    allowed_ = std::max(maxLength_, length());
}

} // namespace zor
