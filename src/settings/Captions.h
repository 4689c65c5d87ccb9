#pragma once

#include <QString>
#include <map>

namespace zor {

// The caption text table of the current language: entry n is key n of the
// language's section of the language file. Entries never loaded read empty.
class Captions {
public:
    QString text(int number) const;
    void setText(int number, const QString& text);
    void clear();

private:
    std::map<int, QString> texts_;
};

} // namespace zor
