#pragma once

#include <QByteArray>
#include <QString>

namespace zor::sim {

// The state file: rewritten whole after every change, through a temporary
// file beside it and a rename, so a reader never sees half a state.
class StateFile {
  public:
    explicit StateFile(const QString& path) : path_(path) {}

    bool isEnabled() const { return !path_.isEmpty(); }
    bool write(const QByteArray& text, QString* error) const;

  private:
    QString path_;
};

} // namespace zor::sim
