#include "panel/TypedLength.h"

namespace zor {

QValidator::State TypedLength::validate(QString& input, int& /*position*/) const {
    return input.size() <= maxLength_ ? Acceptable : Invalid;
}

} // namespace zor
