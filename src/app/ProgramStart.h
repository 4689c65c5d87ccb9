#pragma once

#include "app/StartUpMessages.h"
#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "translate/CurrentValues.h"

#include <QString>
#include <memory>

namespace zor {

class HMenue;
class Initialisation;
class InstrumentLink;
class OperatorMessages;

// The window program's start: assembles the instrument link and the main
// window for one data folder and brings them up step by step, so that the
// window shows the stored settings, nothing reaches the instrument before
// the initialisation, and an automatic initialisation finds everything in
// place. Missing or broken files never stop it: a data folder that is
// missing or read-only, and a settings file that cannot be read or is no
// settings file, are told to the operator once, and nothing of the start-up
// that follows from them (a setting the restore cannot store there) is told
// again; what other files leave out is reported by the parts that read them.
// Nothing is shown while the start-up runs: every problem it finds is told
// once, together, after the window has come up.
class ProgramStart {
public:
    // Builds the link and the window over `data`; `messages` reaches the
    // operator for the whole run and outlives this object.
    ProgramStart(const DataFolder& data, OperatorMessages& messages);
    ~ProgramStart();
    ProgramStart(const ProgramStart&) = delete;
    ProgramStart& operator=(const ProgramStart&) = delete;

    // The start-up: interface, addresses, captions, catalogues, the panels
    // restored from the settings files, the emptied command log, and the
    // initialisation when "IECBUS" asks for it. Call once, before the
    // window is shown.
    void run();

    HMenue& window() { return *window_; }
    // The operator's messages as the start-up passes them on.
    OperatorMessages& messages() { return messages_; }
    Initialisation& initialisation() { return *initialisation_; }
    InstrumentLink& instrument() { return *instrument_; }
    const DataFolder& data() const { return data_; }

private:
    QString general(const char* section, const char* key) const;
    void reportBrokenDataFolder();
    void reportBrokenSettingsFile(const char* name);

    void wireWindow();
    void chooseStoredInterface();
    void restorePages();
    bool automaticInitialisation();
    void finishTabControl();

    DataFolder data_;
    StartUpMessages messages_;
    // A settings file the start-up found it cannot read: an initialisation
    // would send empty values over the instrument's own.
    QString unreadableSettings_;
    Captions captions_;
    CurrentValues current_;
    std::unique_ptr<InstrumentLink> instrument_;
    std::unique_ptr<HMenue> window_;
    Initialisation* initialisation_ = nullptr;
};

} // namespace zor
