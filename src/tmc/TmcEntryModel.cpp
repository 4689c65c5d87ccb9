#include "tmc/TmcEntryModel.h"

#include <utility>

namespace zor {

TmcEntryModel::TmcEntryModel(TmcEntryTable table, QObject* parent)
    : QAbstractListModel(parent), table_(std::move(table)) {}

int TmcEntryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.size());
}

// An empty field asks for the entry of no row at all; that is no mistake.
QVariant TmcEntryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return table_.entry(index.row());
}

Qt::ItemFlags TmcEntryModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

} // namespace zor
