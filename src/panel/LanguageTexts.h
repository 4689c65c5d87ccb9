#pragma once

#include <QHash>
#include <QString>

namespace zor {

// The texts of one language as the caption loader puts them into the window:
// key n of the language's section of the language file, each read once per
// loading. A missing file, section or key gives an empty text.
class LanguageTexts {
public:
    LanguageTexts(QString languageFile, QString language);

    const QString& language() const { return language_; }
    QString text(int number) const;
    // Whether no text asked for so far was found.
    bool noneFound() const;

private:
    QString languageFile_;
    QString language_;
    mutable QHash<int, QString> read_;
};

} // namespace zor
