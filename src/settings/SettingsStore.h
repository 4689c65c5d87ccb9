#pragma once

#include "settings/DataFolder.h"

#include <QAnyStringView>
#include <QSet>
#include <QString>

namespace zor {

class OperatorMessages;

// Reads and writes single keys of the settings files of the data folder, and
// is the one place that decides when the operator hears of a setting that
// could not be stored: once per file, and again only after a write to that
// file has worked in between, so a step control dragged over a read-only
// file does not raise a box at every step. The message is shown once the
// event being handled has finished, never from inside it.
//
// Two kinds of failure are not told at all: a write-back of the start-up
// restore, which only stores again what it read, and, while the start-up
// runs, a write into a file the start-up has already told the operator of
// (a missing data folder, a file it cannot use).
class SettingsStore {
public:
    SettingsStore(DataFolder data, OperatorMessages& messages);

    const DataFolder& data() const { return data_; }

    // `key` of `section` in the data folder's file `file` (kGeneralFile ...);
    // empty when it is missing.
    QString read(const char* file, QAnyStringView section, QAnyStringView key) const;
    // Stores `value` there; false when the file could not be written.
    bool write(const char* file, QAnyStringView section, QAnyStringView key, const QString& value);

    // While one lives, the start-up restore is writing back what it read.
    class Restoring {
    public:
        explicit Restoring(SettingsStore& store);
        ~Restoring();
        Restoring(const Restoring&) = delete;
        Restoring& operator=(const Restoring&) = delete;

    private:
        SettingsStore& store_;
    };

    // What the start-up has told the operator of, before anything read the
    // data folder: the folder is missing, or the file `file` cannot be used.
    void startUpToldMissingFolder();
    void startUpToldFile(const char* file);
    // Whether, during the start-up, the operator has already heard of what
    // keeps `file` from being read or written.
    bool toldAtStartUp(const char* file) const;
    // From now on every failure is told by the rule above.
    void startUpDone();

private:
    void tellNotStored(const QString& key, const QString& path);

    DataFolder data_;
    OperatorMessages& messages_;
    // Files whose failure the operator has heard of since their last write
    // that worked.
    QSet<QString> told_;
    bool restoring_ = false;
    bool folderMissingTold_ = false;
    QSet<QString> filesToldAtStartUp_;
};

} // namespace zor
