#include "settings/IniText.h"

namespace zor {

namespace {

constexpr QLatin1String kCrLf("\r\n");
constexpr QLatin1String kCr("\r");
constexpr QLatin1String kLf("\n");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView withoutLeadingBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    return text;
}

QStringView trimmedBlanks(QStringView text)
{
    text = withoutLeadingBlanks(text);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "[name]", possibly indented; the name runs to the last closing bracket.
std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView text = withoutLeadingBlanks(line);
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.lastIndexOf(u']');
    if (close < 1)
        return std::nullopt;
    return trimmedBlanks(text.sliced(1, close - 1));
}

bool isComment(QStringView line)
{
    return withoutLeadingBlanks(line).startsWith(u';');
}

struct KeyLine {
    QStringView key;
    QStringView value;
};

std::optional<KeyLine> keyLine(QStringView line)
{
    if (isComment(line) || sectionName(line))
        return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return KeyLine{trimmedBlanks(line.first(equals)), line.sliced(equals + 1)};
}

// What GetPrivateProfileString delivers for a stored value.
QString readValue(QStringView stored)
{
    QStringView value = trimmedBlanks(stored);
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        value = value.sliced(1, value.size() - 2);
    if (value.size() > IniText::kMaxValueLength) {
        value.truncate(IniText::kMaxValueLength);
        if (value.back().isHighSurrogate())
            value.chop(1);
    }
    return value.toString();
}

// Each value stays on its own line, whatever the caller hands over.
QString asOneLine(QStringView value)
{
    QString line = value.toString();
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

bool hasLineBreak(QStringView name)
{
    return name.contains(u'\r') || name.contains(u'\n');
}

} // namespace

IniText IniText::fromBytes(const QByteArray& bytes)
{
    const FileText file = FileText::fromBytes(bytes);
    IniText ini;
    ini.encoding_ = file.encoding;
    ini.byteOrderMark_ = file.byteOrderMark;
    ini.splitLines(file.text);
    return ini;
}

QByteArray IniText::toBytes() const
{
    FileText file{QString(), encoding_, byteOrderMark_};
    for (const Line& line : lines_)
        file.text += line.text + line.end;
    return file.toBytes();
}

QString IniText::value(QStringView section, QStringView key) const
{
    const auto header = findSection(section);
    if (!header)
        return {};
    const std::size_t end = sectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto entry = keyLine(lines_[i].text);
        if (entry && sameName(entry->key, key))
            return readValue(entry->value);
    }
    return {};
}

bool IniText::setValue(QStringView section, QStringView key, QStringView value)
{
    if (!isWritableSectionName(section) || !isWritableKeyName(key))
        return false;
    const QString stored = asOneLine(value);
    const auto header = findSection(section);
    if (!header) {
        insertLine(lines_.size(), u'[' + section.toString() + u']');
        insertLine(lines_.size(), key.toString() + u'=' + stored);
        return true;
    }
    const std::size_t end = sectionEnd(*header);
    std::size_t lastKey = *header;
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto entry = keyLine(lines_[i].text);
        if (!entry)
            continue;
        if (sameName(entry->key, key)) {
            // The key keeps the spelling the file already has.
            lines_[i].text = entry->key.toString() + u'=' + stored;
            return true;
        }
        lastKey = i;
    }
    insertLine(lastKey + 1, key.toString() + u'=' + stored);
    return true;
}

bool IniText::isWritableSectionName(QStringView section)
{
    return !section.isEmpty() && trimmedBlanks(section).size() == section.size() &&
           !hasLineBreak(section);
}

bool IniText::isWritableKeyName(QStringView key)
{
    return !key.isEmpty() && trimmedBlanks(key).size() == key.size() && !hasLineBreak(key) &&
           !key.contains(u'=') && !key.startsWith(u';') && !key.startsWith(u'[');
}

std::optional<std::size_t> IniText::findSection(QStringView section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i].text);
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

std::size_t IniText::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < lines_.size() && !sectionName(lines_[i].text))
        ++i;
    return i;
}

void IniText::splitLines(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        QLatin1String lineEnd;
        if (text.sliced(end).startsWith(u"\r\n"))
            lineEnd = kCrLf;
        else if (end < text.size())
            lineEnd = text[end] == u'\r' ? kCr : kLf;
        lines_.push_back({text.sliced(start, end - start).toString(), lineEnd});
        start = end + lineEnd.size();
    }
    // New lines follow the file's own line ends.
    for (const Line& line : lines_) {
        if (!line.end.isEmpty()) {
            newLine_ = line.end;
            break;
        }
    }
}

void IniText::insertLine(std::size_t at, const QString& text)
{
    if (at > 0 && lines_[at - 1].end.isEmpty())
        lines_[at - 1].end = newLine_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{text, newLine_});
}

} // namespace zor
