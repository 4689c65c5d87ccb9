#include "tmc/TmcCatalogue.h"

#include "settings/DataFolder.h"
#include "settings/FileText.h"
#include "settings/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace zor {

namespace {

// A catalogue holds at most 65,536 short records; anything this large is not
// one, and reading it would only stall the start-up.
constexpr qint64 kMaxFileSize = 64LL * 1024 * 1024;
constexpr int kMaxFileSizeMegabytes = 64;

// Old DOS editors end a text file with Ctrl-Z; nothing after it is text.
constexpr char16_t kEndOfFileMark = 0x1A;

// Digits beyond this tell nothing more: the code is out of range anyway.
constexpr int kSaturatedCode = 1'000'000;

// A code shown in a message is cut to this many characters.
constexpr qsizetype kShownCodeLength = 12;

enum class Fault {
    None,
    ControlCharacter, // binary data, not a text file
    NoSemicolon,
    CodeNotNumber,
    CodeTooLarge,     // even its last five digits exceed 65535: left out
    CodeOutOfRange,   // above the catalogue's range: kept, the operator is told
};

struct Tally {
    TmcCatalogueKind kind = TmcCatalogueKind::Events;
    QStringList entries;
    Fault firstFault = Fault::None;
    qsizetype firstFaultLine = 0;
    QString firstFaultCode;
    qsizetype faulty = 0;
    qsizetype skipped = 0;
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool hasControlCharacter(QStringView text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}

bool isDecimal(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QStringView withoutBlanks(QStringView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

int decimalValue(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits) {
        value = value * 10 + (c.unicode() - u'0');
        if (value >= kSaturatedCode)
            return kSaturatedCode;
    }
    return value;
}

int maxCode(TmcCatalogueKind kind)
{
    return kind == TmcCatalogueKind::Events ? kTmcMaxEventCode : kTmcMaxLocationCode;
}

void noteFault(Tally& tally, Fault fault, qsizetype line, QStringView code)
{
    if (tally.firstFault == Fault::None) {
        tally.firstFault = fault;
        tally.firstFaultLine = line;
        tally.firstFaultCode = code.size() > kShownCodeLength
                                   ? code.first(kShownCodeLength).toString() + u'…'
                                   : code.toString();
    }
    ++tally.faulty;
    if (fault != Fault::CodeOutOfRange)
        ++tally.skipped;
}

Fault faultOf(QStringView record, qsizetype semicolon, QStringView code, TmcCatalogueKind kind)
{
    if (hasControlCharacter(record))
        return Fault::ControlCharacter;
    if (semicolon < 0)
        return Fault::NoSemicolon;
    if (!isDecimal(code))
        return Fault::CodeNotNumber;
    if (decimalValue(code.size() > kTmcCodeWidth ? code.last(kTmcCodeWidth) : code) >
        kTmcMaxLocationCode)
        return Fault::CodeTooLarge;
    if (decimalValue(code) > maxCode(kind))
        return Fault::CodeOutOfRange;
    return Fault::None;
}

// Blank records carry nothing and are passed over without a word.
void takeRecord(Tally& tally, QStringView record, qsizetype line)
{
    if (withoutBlanks(record).isEmpty())
        return;
    const qsizetype semicolon = record.indexOf(u';');
    const QStringView code =
        semicolon < 0 ? QStringView() : withoutBlanks(record.sliced(semicolon + 1));
    const Fault fault = faultOf(record, semicolon, code, tally.kind);
    if (fault == Fault::None || fault == Fault::CodeOutOfRange)
        tally.entries.append(
            tmcCatalogueEntry(record.first(semicolon), code, tmcNameWidth(tally.kind)));
    if (fault != Fault::None)
        noteFault(tally, fault, line, code);
}

// Calls `visit(line, number)` for every line; CR LF, LF and a lone CR all end
// a line, and a last line without an ending counts too.
template <typename Visit>
void forEachLine(QStringView text, Visit visit)
{
    qsizetype number = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        visit(text.sliced(start, i - start), number++);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        visit(text.sliced(start), number);
}

// Calls `visit(field)` for every comma-separated field of one line. Double
// quotes are dropped; a comma between them stays in the field. A quote left
// open ends with the line, so one stray quote cannot swallow the file.
template <typename Visit>
void forEachField(QStringView line, QString& unquoted, Visit visit)
{
    qsizetype start = 0;
    bool inQuotes = false;
    bool hadQuotes = false;
    const auto finishField = [&](qsizetype end) {
        const QStringView field = line.sliced(start, end - start);
        if (!hadQuotes)
            return visit(field);
        unquoted.resize(field.size());
        const auto kept = std::remove_copy(field.begin(), field.end(), unquoted.begin(), u'"');
        visit(QStringView(unquoted.cbegin(), kept));
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"') {
            inQuotes = !inQuotes;
            hadQuotes = true;
        } else if (line[i] == u',' && !inQuotes) {
            finishField(i);
            start = i + 1;
            hadQuotes = false;
        }
    }
    finishField(line.size());
}

QString shownName(const QString& fileName)
{
    return QDir::toNativeSeparators(fileName);
}

QString faultText(const Tally& tally)
{
    const QString& code = tally.firstFaultCode;
    switch (tally.firstFault) {
    case Fault::ControlCharacter:
        return QStringLiteral("Steuerzeichen im Text (keine Textdatei?)");
    case Fault::NoSemicolon:
        return QStringLiteral("kein \";\" zwischen Beschreibung und Code");
    case Fault::CodeNotNumber:
        return code.isEmpty() ? QStringLiteral("der Code fehlt")
                              : QStringLiteral("der Code \"%1\" ist keine Dezimalzahl").arg(code);
    case Fault::CodeTooLarge:
        return QStringLiteral("der Code %1 ist größer als %2").arg(code).arg(kTmcMaxLocationCode);
    case Fault::CodeOutOfRange:
        return QStringLiteral("der Code %1 liegt außerhalb von 0 bis %2")
            .arg(code)
            .arg(maxCode(tally.kind));
    case Fault::None:
        break;
    }
    return {};
}

std::optional<QString> problemOf(const Tally& tally, const QString& fileName)
{
    const QString name = shownName(fileName);
    if (tally.firstFault == Fault::None) {
        if (!tally.entries.isEmpty())
            return std::nullopt;
        return QStringLiteral("Die TMC-Liste \"%1\" enthält keinen Eintrag; die Auswahl bleibt leer.")
            .arg(name);
    }
    QString text = QStringLiteral("Die TMC-Liste \"%1\" hat in Zeile %2 einen fehlerhaften Eintrag: %3.")
                       .arg(name)
                       .arg(tally.firstFaultLine)
                       .arg(faultText(tally));
    if (tally.faulty > 1)
        text += QStringLiteral(" Fehlerhaft sind %1 Einträge.").arg(tally.faulty);
    if (tally.entries.isEmpty())
        text += QStringLiteral(" Die Auswahl bleibt leer.");
    else if (tally.skipped == 1)
        text += QStringLiteral(" Ein Eintrag fehlt in der Auswahl.");
    else if (tally.skipped > 1)
        text += QStringLiteral(" %1 Einträge fehlen in der Auswahl.").arg(tally.skipped);
    return text;
}

TmcCatalogue unreadable(const QString& fileName, const QString& reason)
{
    return {{},
            QStringLiteral("Die TMC-Liste \"%1\" %2; die Auswahl bleibt leer.")
                .arg(shownName(fileName), reason)};
}

} // namespace

qsizetype tmcNameWidth(TmcCatalogueKind kind)
{
    return kind == TmcCatalogueKind::Events ? kTmcEventNameWidth : kTmcLocationNameWidth;
}

QString tmcCatalogueEntry(QStringView description, QStringView code, qsizetype nameWidth)
{
    QString entry(nameWidth + kTmcCodeWidth, u' ');
    qsizetype kept = std::min(description.size(), nameWidth);
    // A character outside the basic plane is never cut in half.
    if (kept < description.size() && kept > 0 && description[kept - 1].isHighSurrogate())
        --kept;
    std::copy_n(description.begin(), kept, entry.begin());
    const QStringView column = code.size() > kTmcCodeWidth ? code.last(kTmcCodeWidth) : code;
    std::copy(column.begin(), column.end(), entry.end() - column.size());
    return entry;
}

int tmcEntryCode(QStringView entry)
{
    const QStringView column = entry.size() > kTmcCodeWidth ? entry.last(kTmcCodeWidth) : entry;
    return std::max(0, static_cast<int>(leadingNumber(column)));
}

TmcCatalogue tmcCatalogueFromBytes(TmcCatalogueKind kind, const QByteArray& bytes,
                                   const QString& fileName)
{
    QString text = FileText::fromBytes(bytes).text;
    const qsizetype endMark = text.indexOf(QChar(kEndOfFileMark));
    if (endMark >= 0)
        text.truncate(endMark);

    Tally tally;
    tally.kind = kind;
    if (kind == TmcCatalogueKind::Events) {
        forEachLine(text, [&tally](QStringView line, qsizetype number) {
            takeRecord(tally, line, number);
        });
    } else {
        QString unquoted;
        forEachLine(text, [&tally, &unquoted](QStringView line, qsizetype number) {
            forEachField(line, unquoted, [&tally, number](QStringView field) {
                takeRecord(tally, withoutBlanks(field), number);
            });
        });
    }
    std::optional<QString> problem = problemOf(tally, fileName);
    return {std::move(tally.entries), std::move(problem)};
}

TmcCatalogue readTmcCatalogue(TmcCatalogueKind kind, const QString& path)
{
    const QString file = fileIgnoringCase(path);
    const QFileInfo info(file);
    if (!info.exists())
        return unreadable(path, QStringLiteral("fehlt"));
    if (!info.isFile())
        return unreadable(file, QStringLiteral("ist keine Datei"));
    if (info.size() > kMaxFileSize)
        return unreadable(file, QStringLiteral("ist größer als %1 MB und wird nicht gelesen")
                                    .arg(kMaxFileSizeMegabytes));
    QFile catalogue(file);
    if (!catalogue.open(QIODevice::ReadOnly))
        return unreadable(file, QStringLiteral("kann nicht gelesen werden (%1)")
                                    .arg(catalogue.errorString()));
    const QByteArray bytes = catalogue.readAll();
    if (catalogue.error() != QFileDevice::NoError)
        return unreadable(file, QStringLiteral("kann nicht gelesen werden (%1)")
                                    .arg(catalogue.errorString()));
    return tmcCatalogueFromBytes(kind, bytes, file);
}

} // namespace zor
