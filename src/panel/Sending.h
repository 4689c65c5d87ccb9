#pragma once

#include <QString>

namespace zor {

struct PageContext;

// Hands a parameter key and its value text to the translator, addressed to
// the generator; in demo mode nothing leaves the program.
void sendParameter(PageContext& context, const QString& key, QString value);

} // namespace zor
