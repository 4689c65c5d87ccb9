#pragma once

#include <QString>

namespace zor {

// The text of the About box, the same in every language.
QString aboutText();

} // namespace zor
