#include "settings/Captions.h"

namespace zor {

QString Captions::text(int number) const
{
    const auto entry = texts_.find(number);
    return entry == texts_.end() ? QString() : entry->second;
}

void Captions::setText(int number, const QString& text)
{
    texts_[number] = text;
}

void Captions::clear()
{
    texts_.clear();
}

} // namespace zor
