#pragma once

#include <QValidator>

namespace zor {

// Limits what the operator types into a text field to `maxLength`
// characters, while a text the program puts there (a stored value longer
// than that) is shown whole: a field holding more may only get shorter.
class TypedLength final : public QValidator {
public:
    TypedLength(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}

    State validate(QString& input, int& position) const override;

private:
    int maxLength_;
};

} // namespace zor
