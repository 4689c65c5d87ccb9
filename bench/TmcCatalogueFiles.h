#pragma once

#include <QString>

namespace zor {

// Catalogues of the largest size the message fields can address.
inline constexpr int kFullEventCount = 2048;     // codes 0 to 2047
inline constexpr int kFullLocationCount = 65535; // codes 1 to 65535

// Writes "Event.txt" and "Location.txt" of full size into `folder`, in the
// record format the program reads (Windows-1252, CR LF). Location records come
// quoted with a comma inside, quoted plainly and unquoted in turn; some
// descriptions are longer than their list column. False when a file could not
// be written.
bool writeFullTmcCatalogues(const QString& folder);

} // namespace zor
