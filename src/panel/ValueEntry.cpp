#include "panel/ValueEntry.h"

#include "settings/NumberText.h"

namespace zor {

namespace {

float singlePrecision(const QString& text) {
    return static_cast<float>(leadingNumber(text));
}

} // namespace

EntryLimits limitsFromStored(const QString& lower, const QString& upper) {
    return {singlePrecision(lower), singlePrecision(upper)};
}

bool insideLimits(const QString& entry, EntryLimits limits) {
    const float value = singlePrecision(entry);
    return value > limits.lower && value < limits.upper;
}

QString askWithinLimits(const InputDialog& ask, const QString& title, const QString& prompt,
                        const QString& proposal, EntryLimits limits) {
    for (;;) {
        const QString entry = ask(title, prompt, proposal);
        if (entry.isEmpty() || insideLimits(entry, limits))
            return entry;
    }
}

} // namespace zor
