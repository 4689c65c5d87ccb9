#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace zor {

// Event.txt is read line by line; Location.txt as comma-separated fields.
enum class TmcCatalogueKind { Events, Locations };

// One catalogue as its drop-down field shows it: one fixed-width entry per
// usable record, in file order. `problem` holds the one message the operator
// sees when the file is missing, unreadable, empty or has faulty records.
struct TmcCatalogue {
    QStringList entries;
    std::optional<QString> problem;
};

// The description column of each list and the code column both use.
inline constexpr qsizetype kTmcEventNameWidth = 25;
inline constexpr qsizetype kTmcLocationNameWidth = 20;
inline constexpr qsizetype kTmcCodeWidth = 5;

// Highest code each catalogue may hold: the event field of a message has
// eleven bits, the location field sixteen.
inline constexpr int kTmcMaxEventCode = 2047;
inline constexpr int kTmcMaxLocationCode = 65535;

qsizetype tmcNameWidth(TmcCatalogueKind kind);

// The list entry of one record: the description padded with blanks and cut to
// `nameWidth` characters, then the code right-aligned in five columns, of
// which a longer code keeps its last five characters.
QString tmcCatalogueEntry(QStringView description, QStringView code, qsizetype nameWidth);

// The code an entry carries: the numeric value of its last five characters
// (leading blanks skipped, 0 when they hold no digit).
int tmcEntryCode(QStringView entry);

// Reads the catalogue at `path` (a file whose name differs only in letter case
// serves as well). Never fails: whatever cannot be used is left out and
// described in `problem`.
TmcCatalogue readTmcCatalogue(TmcCatalogueKind kind, const QString& path);

// The same for the bytes of a file; `fileName` names the file in the problem.
TmcCatalogue tmcCatalogueFromBytes(TmcCatalogueKind kind, const QByteArray& bytes,
                                   const QString& fileName);

} // namespace zor
