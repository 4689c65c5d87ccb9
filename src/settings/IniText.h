#pragma once

#include "settings/FileText.h"

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace zor {

// The text of one settings file, line by line with each line's own ending, as
// the private-profile functions see it. Reading a key and changing one touch
// nothing else: comments, unknown keys, blank lines, order, line endings and
// the file's encoding all come back as they were.
class IniText {
public:
    // The longest value a read returns, in characters.
    static constexpr qsizetype kMaxValueLength = 254;

    static IniText fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // The value of the first `key` in the first `section`: blanks around it and
    // one pair of enclosing double quotes dropped, cut to kMaxValueLength.
    // Empty when the section or the key is missing.
    QString value(QStringView section, QStringView key) const;

    // Replaces the first `key` of the first `section` in place, or adds the key
    // after the section's last key, or adds the section at the end. A line
    // break inside the value becomes one blank. False, and nothing changed,
    // when the names cannot be written so that they read back.
    bool setValue(QStringView section, QStringView key, QStringView value);

    static bool isWritableSectionName(QStringView section);
    static bool isWritableKeyName(QStringView key);

private:
    struct Line {
        QString text;
        QLatin1String end; // "\r\n", "\n", "\r", or empty for a last line without one
    };

    std::optional<std::size_t> findSection(QStringView section) const;
    std::size_t sectionEnd(std::size_t header) const;
    void splitLines(QStringView text);
    void insertLine(std::size_t at, const QString& text);

    std::vector<Line> lines_;
    TextEncoding encoding_ = TextEncoding::Ansi;
    bool byteOrderMark_ = false;
    QLatin1String newLine_{"\r\n"};
};

} // namespace zor
