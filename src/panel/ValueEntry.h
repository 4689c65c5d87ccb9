#pragma once

#include <QString>
#include <functional>

namespace zor {

// The limits of a value the operator enters: a value is taken only when it
// lies strictly between them. The generator holds them in single precision.
struct EntryLimits {
    float lower = 0.0F;
    float upper = 0.0F;
};

// Limits from their stored texts, each the value of its leading number (0 for
// an empty or non-numeric text).
EntryLimits limitsFromStored(const QString& lower, const QString& upper);

// Whether the leading number of `entry` (0 when it has none) lies strictly
// between the limits.
bool insideLimits(const QString& entry, EntryLimits limits);

// An input dialog with a title, a prompt and a proposed text; it returns the
// text entered, or an empty text when the operator cancels.
using InputDialog =
    std::function<QString(const QString& title, const QString& prompt, const QString& proposal)>;

// Shows the dialog, proposing `proposal` each time, until the operator enters
// a value strictly inside the limits (returned unchanged) or cancels or
// enters nothing (an empty text is returned).
QString askWithinLimits(const InputDialog& ask, const QString& title, const QString& prompt,
                        const QString& proposal, EntryLimits limits);

} // namespace zor
