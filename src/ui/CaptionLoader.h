#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QObject;

namespace zor {

class HMenue;
class LanguageTexts;

// The caption loader of the main window: puts the texts of the window's
// language from the language file into the window's own captions (menu,
// tabs, end button, status headings) and the caption text table, has every
// page show the language by its own caption table, and hands every page the
// 32 programme-type names of the language and RDS/RBDS mode from the general
// settings file.
//
// Where the language file gives no text for a caption, the caption keeps the
// text it was built with. A missing, unreadable or binary language file, a
// missing language section or programme-type section is reported to the
// operator once per run of the program, in one message; a general settings
// file the program cannot use, and a file the start-up has already told of,
// are the start-up's to report.
class CaptionLoader {
public:
    explicit CaptionLoader(HMenue& window);

    // Loads everything for the window's current language.
    void run();

    // The section of the general settings file that holds the programme-type
    // names for `language` and `mode`.
    static QString ptySection(const QString& language, const QString& mode);

private:
    struct Problem {
        const char* file;
        // What the problem is, the same whatever language tells it.
        QString what;
        QString text;
    };

    void windowCaptions(const LanguageTexts& texts);
    void textTable(const LanguageTexts& texts);
    QStringList programmeTypes(const QString& section) const;
    QList<Problem> problems(const LanguageTexts& texts, const QString& ptySection,
                            const QStringList& ptyNames) const;
    void report(const QList<Problem>& found);

    HMenue& window_;
    QString languageFile_;
    QString generalFile_;
    QSet<QString> reported_;
};

} // namespace zor
