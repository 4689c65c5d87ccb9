#pragma once

#include <QString>
#include <cstdint>

namespace zor {

// The command log "RDS_Log.txt": one record per command or query, when the
// operator switched logging on with "Log_Key" = 1.
class CommandLog {
public:
    CommandLog(QString path, std::int16_t flag);

    // The flag from the text of "Log_Key": its leading number, rounded half to even.
    static std::int16_t flagFromText(const QString& text);
    // One record without its line end: name right-aligned in 15 columns, "= ",
    // the text, and the command in double quotes when it is not empty.
    static QString record(const QString& name, const QString& text, const QString& command);

    bool enabled() const { return flag_ == 1; }
    // Empties the file (creating it), whatever the flag; done once at start-up.
    void empty() const;
    // Appends one record when logging is on; failures are silent by design.
    void Log_Schreiben(const QString& name, const QString& text, const QString& command) const;
    // Why there is no log at all: what stands in place of the file when that
    // is no regular file (a named pipe, a folder ...), which is then never
    // opened, in German and English. Empty when the file can be used.
    QString problem() const;

private:
    QString path_;
    std::int16_t flag_;
};

} // namespace zor
