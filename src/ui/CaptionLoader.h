#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class QObject;

namespace zor {

class HMenue;

// The caption loader of the main window: puts the texts of the window's
// language from the language file into the captions, the caption text table
// and the status fields, and the 32 programme-type names of the language and
// RDS/RBDS mode from the general settings file into both programme-type
// lists.
//
// Where the language file gives no text for a caption, the caption keeps the
// text it was built with. A missing, unreadable or binary language file, a
// missing language section or programme-type section is reported to the
// operator once per run of the program, in one message; a general settings
// file the program cannot use is the start-up's to report.
class CaptionLoader {
  public:
    explicit CaptionLoader(HMenue& window);

    // Loads everything for the window's current language.
    void run();

    // Chooses the programme type stored under "PTY" in PTY_Combo1 again,
    // raising its selection only when the list shows another entry.
    void chooseStoredPty();

    // The section of the general settings file that holds the programme-type
    // names for `language` and `mode`.
    static QString ptySection(const QString& language, const QString& mode);

  private:
    QString text(int key);
    void caption(QObject* target, int key);
    void numberedCaption(QObject* target, int key, int number);
    void statusWord(int index, bool on);

    void menuCaptions();
    void tabCaptions();
    void stereoAndRdsCaptions();
    void musicSpeechStatus();
    void listAndQueryCaptions();
    void programmeTypes();
    void storedProgrammeTypes();
    void deviationDisplays();
    void textTable();
    void clockAndTmcCaptions();
    void trafficStatus();
    void generatorCaptions();
    void reportProblems();

    int storedPosition(const QString& key) const;

    HMenue& window_;
    QString languageFile_;
    QString generalFile_;
    QString dataSetFile_;
    QString language_;
    QHash<int, QString> texts_;
    QStringList ptyNames_;
    QString ptySection_;
    QSet<QString> reported_;
};

} // namespace zor
