#pragma once

#include <QByteArray>
#include "settings/FileText.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

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

// Where one usable record lies in the catalogue's text: the line of an event,
// the field of a location, as found in the file (quotes and blanks still in).
struct TmcRecordSpan {
    qint32 start = 0;
    qint32 length = 0;
};

// A catalogue that keeps the text of its file and the place of each usable
// record in it; the entry of a record is made when it is asked for. A
// catalogue of any size thus costs the file and eight bytes a record, and a
// list shows it row by row without a text object per entry.
class TmcEntryTable {
public:
    TmcEntryTable() = default;
    // The reader's result: `bytes` holds a file of 8-bit text (Windows-1252 or
    // UTF-8, kept undecoded), `text` a decoded UTF-16 file, `records` the
    // usable records in file order.
    TmcEntryTable(TmcCatalogueKind kind, TextEncoding encoding, QByteArray bytes, QString text,
                  std::vector<TmcRecordSpan> records, std::optional<QString> problem);

    qsizetype size() const { return static_cast<qsizetype>(records_.size()); }
    bool isEmpty() const { return records_.empty(); }
    // The list entry of record `index` (0 to size() - 1).
    QString entry(qsizetype index) const;
    // The one message about the file, when it is missing or faulty.
    const std::optional<QString>& problem() const { return problem_; }

private:
    QString recordText(TmcRecordSpan span) const;

    TmcCatalogueKind kind_ = TmcCatalogueKind::Events;
    TextEncoding encoding_ = TextEncoding::Ansi;
    QByteArray bytes_;
    QString text_;
    std::vector<TmcRecordSpan> records_;
    std::optional<QString> problem_;
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
TmcEntryTable readTmcEntryTable(TmcCatalogueKind kind, const QString& path);
TmcCatalogue readTmcCatalogue(TmcCatalogueKind kind, const QString& path);

// The same for the bytes of a file; `fileName` names the file in the problem.
TmcEntryTable tmcEntryTableFromBytes(TmcCatalogueKind kind, const QByteArray& bytes,
                                     const QString& fileName);
TmcCatalogue tmcCatalogueFromBytes(TmcCatalogueKind kind, const QByteArray& bytes,
                                   const QString& fileName);

} // namespace zor
