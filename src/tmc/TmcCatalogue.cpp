#include "tmc/TmcCatalogue.h"

#include "settings/DataFolder.h"
#include "settings/FileText.h"
#include "settings/MessageLanguage.h"
#include "settings/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>

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

// The catalogue's text as the scanners read it: the bytes of an 8-bit file
// or the UTF-16 units of a decoded one. Every character that separates or is
// checked (line ends, ";", ",", quotes, blanks, digits) is ASCII and never
// part of a longer UTF-8 sequence, so both read alike and a file of tens of
// thousands of records is read without being converted first.
template <typename Char>
using Text = std::basic_string_view<Char>;

template <typename Char>
char16_t unitOf(Char c)
{
    return static_cast<char16_t>(static_cast<std::make_unsigned_t<Char>>(c));
}

template <typename Char>
bool isBlank(Char c)
{
    return c == Char(' ') || c == Char('\t');
}

// Line ends are control characters too; the scanners take them apart first.
template <typename Char>
bool isControl(Char c)
{
    const char16_t unit = unitOf(c);
    return unit < 0x20 && unit != u'\t';
}

template <typename Char>
Text<Char> withoutBlanks(Text<Char> text)
{
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.substr(from, to - from);
}

template <typename Char>
bool isDecimal(Text<Char> text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](Char c) {
        return c >= Char('0') && c <= Char('9');
    });
}

template <typename Char>
int decimalValue(Text<Char> digits)
{
    int value = 0;
    for (const Char c : digits) {
        value = value * 10 + (c - Char('0'));
        if (value >= kSaturatedCode)
            return kSaturatedCode;
    }
    return value;
}

template <typename Char>
Text<Char> codeColumn(Text<Char> code)
{
    const auto width = static_cast<std::size_t>(kTmcCodeWidth);
    return code.size() > width ? code.substr(code.size() - width) : code;
}

// A record taken apart at its first ";": the description before it, the code
// after it without blanks around.
template <typename Char>
struct RecordParts {
    bool blank = true;
    bool hasSemicolon = false;
    Text<Char> description;
    Text<Char> code;
};

template <typename Char>
RecordParts<Char> partsOf(Text<Char> record)
{
    RecordParts<Char> parts;
    parts.blank = withoutBlanks(record).empty();
    const std::size_t semicolon = record.find(Char(';'));
    if (semicolon == Text<Char>::npos)
        return parts;
    parts.hasSemicolon = true;
    parts.description = record.substr(0, semicolon);
    parts.code = withoutBlanks(record.substr(semicolon + 1));
    return parts;
}

int maxCode(TmcCatalogueKind kind)
{
    return kind == TmcCatalogueKind::Events ? kTmcMaxEventCode : kTmcMaxLocationCode;
}

template <typename Char>
Fault faultOf(bool control, const RecordParts<Char>& parts, TmcCatalogueKind kind)
{
    if (control)
        return Fault::ControlCharacter;
    if (!parts.hasSemicolon)
        return Fault::NoSemicolon;
    if (!isDecimal(parts.code))
        return Fault::CodeNotNumber;
    if (decimalValue(codeColumn(parts.code)) > kTmcMaxLocationCode)
        return Fault::CodeTooLarge;
    if (decimalValue(parts.code) > maxCode(kind))
        return Fault::CodeOutOfRange;
    return Fault::None;
}

struct Tally {
    TmcCatalogueKind kind = TmcCatalogueKind::Events;
    std::vector<TmcRecordSpan> records;
    Fault firstFault = Fault::None;
    qsizetype firstFaultLine = 0;
    QString firstFaultCode;
    qsizetype faulty = 0;
    qsizetype skipped = 0;
};

// `decode` turns the faulty code into text for the message, done only for
// the first fault.
template <typename Char, typename Decode>
void noteFault(Tally& tally, Fault fault, qsizetype line, Text<Char> code, const Decode& decode)
{
    if (tally.firstFault == Fault::None) {
        tally.firstFault = fault;
        tally.firstFaultLine = line;
        const QString text = decode(code);
        tally.firstFaultCode = text.size() > kShownCodeLength
                                   ? text.first(kShownCodeLength) + u'…'
                                   : text;
    }
    ++tally.faulty;
    if (fault != Fault::CodeOutOfRange)
        ++tally.skipped;
}

// Blank records carry nothing and are passed over without a word. `control`
// tells whether the record holds a control character; `span` is where the
// record lies in the file, kept for a usable record.
template <typename Char, typename Decode>
void takeRecord(Tally& tally, Text<Char> record, qsizetype line, bool control,
                TmcRecordSpan span, const Decode& decode)
{
    const RecordParts<Char> parts = partsOf(record);
    if (parts.blank)
        return;
    const Fault fault = faultOf(control, parts, tally.kind);
    if (fault == Fault::None || fault == Fault::CodeOutOfRange)
        tally.records.push_back(span);
    if (fault != Fault::None)
        noteFault(tally, fault, line, parts.code, decode);
}

TmcRecordSpan spanOf(std::size_t start, std::size_t length)
{
    return {static_cast<qint32>(start), static_cast<qint32>(length)};
}

// Calls `visit(line, number, control, start)` for every line; CR LF, LF and
// a lone CR all end a line, and a last line without an ending counts too.
// `control` tells whether the line holds another control character, `start`
// where it begins in `text`.
template <typename Char, typename Visit>
void forEachLine(Text<Char> text, Visit visit)
{
    qsizetype number = 1;
    std::size_t start = 0;
    bool control = false;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const Char c = text[i];
        if (!isControl(c))
            continue;
        if (c != Char('\r') && c != Char('\n')) {
            control = true;
            continue;
        }
        visit(text.substr(start, i - start), number++, control, start);
        control = false;
        if (c == Char('\r') && i + 1 < size && text[i + 1] == Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        visit(text.substr(start), number, control, start);
}

// Calls `visit(field, line, control, start, length)` for every
// comma-separated field of every line, in one pass over the text: the field
// without its double quotes (a comma between them stays in the field), its
// line number, whether it holds a control character, and where and how long
// the field as written is. Line ends end a field as a comma does. A quote
// left open ends with the line, so one stray quote cannot swallow the file.
template <typename Char, typename Visit>
void forEachField(Text<Char> text, std::basic_string<Char>& unquoted, Visit visit)
{
    qsizetype line = 1;
    std::size_t start = 0;
    bool inQuotes = false;
    bool hadQuotes = false;
    bool control = false;
    const auto finishField = [&](std::size_t end) {
        const Text<Char> field = text.substr(start, end - start);
        if (!hadQuotes)
            return visit(field, line, control, start, field.size());
        unquoted.resize(field.size());
        const auto kept = std::remove_copy(field.begin(), field.end(), unquoted.begin(), Char('"'));
        visit(Text<Char>(unquoted.data(), static_cast<std::size_t>(kept - unquoted.begin())), line,
              control, start, field.size());
    };
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const Char c = text[i];
        // Letters, digits and ";" lie above every character that matters here.
        if (unitOf(c) > u',')
            continue;
        if (c == Char('"')) {
            inQuotes = !inQuotes;
            hadQuotes = true;
            continue;
        }
        const bool lineEnd = c == Char('\r') || c == Char('\n');
        if (!lineEnd && !(c == Char(',') && !inQuotes)) {
            control = control || isControl(c);
            continue;
        }
        finishField(i);
        if (lineEnd) {
            ++line;
            inQuotes = false;
            if (c == Char('\r') && i + 1 < size && text[i + 1] == Char('\n'))
                ++i;
        }
        start = i + 1;
        hadQuotes = false;
        control = false;
    }
    if (start < size)
        finishField(size);
}

// Checks every record of `text` and notes where the usable ones lie; `offset`
// is where `text` begins in the kept file.
template <typename Char, typename Decode>
Tally scan(TmcCatalogueKind kind, Text<Char> text, std::size_t offset, const Decode& decode)
{
    const std::size_t endMark = text.find(Char(kEndOfFileMark));
    if (endMark != Text<Char>::npos)
        text = text.substr(0, endMark);

    Tally tally;
    tally.kind = kind;
    if (kind == TmcCatalogueKind::Events) {
        forEachLine(text, [&](Text<Char> line, qsizetype number, bool control, std::size_t start) {
            takeRecord(tally, line, number, control, spanOf(offset + start, line.size()), decode);
        });
        return tally;
    }
    std::basic_string<Char> unquoted;
    forEachField(text, unquoted,
                 [&](Text<Char> field, qsizetype line, bool control, std::size_t start,
                     std::size_t length) {
                     takeRecord(tally, withoutBlanks(field), line, control,
                                spanOf(offset + start, length), decode);
                 });
    return tally;
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
        return spoken(QStringLiteral("Steuerzeichen im Text (keine Textdatei?)"),
                      QStringLiteral("control characters in the text (no text file?)"));
    case Fault::NoSemicolon:
        return spoken(QStringLiteral("kein \";\" zwischen Beschreibung und Code"),
                      QStringLiteral("no \";\" between description and code"));
    case Fault::CodeNotNumber:
        return code.isEmpty()
                   ? spoken(QStringLiteral("der Code fehlt"), QStringLiteral("the code is missing"))
                   : spoken(QStringLiteral("der Code \"%1\" ist keine Dezimalzahl"),
                            QStringLiteral("the code \"%1\" is no decimal number"))
                         .arg(code);
    case Fault::CodeTooLarge:
        return spoken(QStringLiteral("der Code %1 ist größer als %2"),
                      QStringLiteral("the code %1 is larger than %2"))
            .arg(code)
            .arg(kTmcMaxLocationCode);
    case Fault::CodeOutOfRange:
        return spoken(QStringLiteral("der Code %1 liegt außerhalb von 0 bis %2"),
                      QStringLiteral("the code %1 lies outside 0 to %2"))
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
        if (!tally.records.empty())
            return std::nullopt;
        return spoken(QStringLiteral("Die TMC-Liste \"%1\" enthält keinen Eintrag; die Auswahl "
                                     "bleibt leer."),
                      QStringLiteral("The TMC list \"%1\" holds no entry; the choice stays "
                                     "empty."))
            .arg(name);
    }
    QString text = spoken(QStringLiteral("Die TMC-Liste \"%1\" hat in Zeile %2 einen "
                                         "fehlerhaften Eintrag: %3."),
                          QStringLiteral("The TMC list \"%1\" has a faulty entry in line %2: "
                                         "%3."))
                       .arg(name)
                       .arg(tally.firstFaultLine)
                       .arg(faultText(tally));
    if (tally.faulty > 1)
        text += spoken(QStringLiteral(" Fehlerhaft sind %1 Einträge."),
                       QStringLiteral(" %1 entries are faulty."))
                    .arg(tally.faulty);
    if (tally.records.empty())
        text += spoken(QStringLiteral(" Die Auswahl bleibt leer."),
                       QStringLiteral(" The choice stays empty."));
    else if (tally.skipped == 1)
        text += spoken(QStringLiteral(" Ein Eintrag fehlt in der Auswahl."),
                       QStringLiteral(" One entry is missing from the choice."));
    else if (tally.skipped > 1)
        text += spoken(QStringLiteral(" %1 Einträge fehlen in der Auswahl."),
                       QStringLiteral(" %1 entries are missing from the choice."))
                    .arg(tally.skipped);
    return text;
}

TmcEntryTable unreadable(TmcCatalogueKind kind, const QString& fileName, const QString& reason)
{
    return {kind,
            TextEncoding::Ansi,
            {},
            {},
            {},
            spoken(QStringLiteral("Die TMC-Liste \"%1\" %2; die Auswahl bleibt leer."),
                   QStringLiteral("The TMC list \"%1\" %2; the choice stays empty."))
                .arg(shownName(fileName), reason)};
}

TmcCatalogue listOf(const TmcEntryTable& table)
{
    TmcCatalogue catalogue;
    catalogue.entries.reserve(table.size());
    for (qsizetype i = 0; i < table.size(); ++i)
        catalogue.entries.append(table.entry(i));
    catalogue.problem = table.problem();
    return catalogue;
}

Text<char16_t> unitsOf(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

QStringView viewOf(Text<char16_t> text)
{
    return {text.data(), static_cast<qsizetype>(text.size())};
}

} // namespace

TmcEntryTable::TmcEntryTable(TmcCatalogueKind kind, TextEncoding encoding, QByteArray bytes,
                             QString text, std::vector<TmcRecordSpan> records,
                             std::optional<QString> problem)
    : kind_(kind), encoding_(encoding), bytes_(std::move(bytes)), text_(std::move(text)),
      records_(std::move(records)), problem_(std::move(problem))
{
}

QString TmcEntryTable::recordText(TmcRecordSpan span) const
{
    if (bytes_.isEmpty())
        return text_.sliced(span.start, span.length);
    return decodedText(QByteArrayView(bytes_).sliced(span.start, span.length), encoding_);
}

QString TmcEntryTable::entry(qsizetype index) const
{
    QString record = recordText(records_[static_cast<std::size_t>(index)]);
    Text<char16_t> text = unitsOf(record);
    if (kind_ == TmcCatalogueKind::Locations) {
        record.remove(u'"');
        text = withoutBlanks(unitsOf(record));
    }
    const RecordParts<char16_t> parts = partsOf(text);
    return tmcCatalogueEntry(viewOf(parts.description), viewOf(parts.code), tmcNameWidth(kind_));
}

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

TmcEntryTable tmcEntryTableFromBytes(TmcCatalogueKind kind, const QByteArray& bytes,
                                     const QString& fileName)
{
    const TextForm form = TextForm::of(bytes);
    if (form.encoding == TextEncoding::Utf16LittleEndian ||
        form.encoding == TextEncoding::Utf16BigEndian) {
        QString text = FileText::fromBytes(bytes).text;
        Tally tally = scan(kind, unitsOf(text), 0,
                           [](Text<char16_t> code) { return viewOf(code).toString(); });
        std::optional<QString> problem = problemOf(tally, fileName);
        return {kind, form.encoding, {}, std::move(text), std::move(tally.records),
                std::move(problem)};
    }
    const Text<char> text(bytes.constData() + form.textStart,
                          static_cast<std::size_t>(bytes.size() - form.textStart));
    Tally tally = scan(kind, text, static_cast<std::size_t>(form.textStart),
                       [&form](Text<char> code) {
                           return decodedText(QByteArrayView(code.data(), qsizetype(code.size())),
                                              form.encoding);
                       });
    std::optional<QString> problem = problemOf(tally, fileName);
    return {kind, form.encoding, bytes, {}, std::move(tally.records), std::move(problem)};
}

TmcCatalogue tmcCatalogueFromBytes(TmcCatalogueKind kind, const QByteArray& bytes,
                                   const QString& fileName)
{
    return listOf(tmcEntryTableFromBytes(kind, bytes, fileName));
}

TmcCatalogue readTmcCatalogue(TmcCatalogueKind kind, const QString& path)
{
    return listOf(readTmcEntryTable(kind, path));
}

TmcEntryTable readTmcEntryTable(TmcCatalogueKind kind, const QString& path)
{
    const QString file = fileIgnoringCase(path);
    const QFileInfo info(file);
    if (!info.exists())
        return unreadable(kind, path, spoken(QStringLiteral("fehlt"), QStringLiteral("is missing")));
    if (!info.isFile())
        return unreadable(kind, file,
                          spoken(QStringLiteral("ist keine Datei"), QStringLiteral("is no file")));
    if (info.size() > kMaxFileSize)
        return unreadable(kind, file,
                          spoken(QStringLiteral("ist größer als %1 MB und wird nicht gelesen"),
                                 QStringLiteral("is larger than %1 MB and is not read"))
                              .arg(kMaxFileSizeMegabytes));
    QFile catalogue(file);
    if (!catalogue.open(QIODevice::ReadOnly))
        return unreadable(kind, file,
                          spoken(QStringLiteral("kann nicht gelesen werden (%1)"),
                                 QStringLiteral("cannot be read (%1)"))
                              .arg(catalogue.errorString()));
    const QByteArray bytes = catalogue.readAll();
    if (catalogue.error() != QFileDevice::NoError)
        return unreadable(kind, file,
                          spoken(QStringLiteral("kann nicht gelesen werden (%1)"),
                                 QStringLiteral("cannot be read (%1)"))
                              .arg(catalogue.errorString()));
    return tmcEntryTableFromBytes(kind, bytes, file);
}

} // namespace zor
