#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace zor::sim {

// The state file: rewritten whole after every change, through a temporary
// file beside it and a rename, so a reader never sees half a state.
class StateFile {
  public:
    explicit StateFile(const QString& path) : path_(path) {}

    bool isEnabled() const { return !path_.isEmpty(); }
    bool write(const QByteArray& text, QString* error) const;
    // The entries of an existing state file, NAME -> value; empty when there
    // is none. False when it exists and cannot be read.
    bool read(QMap<QByteArray, QByteArray>* entries, QString* error) const;

  private:
    QString path_;
};

} // namespace zor::sim
