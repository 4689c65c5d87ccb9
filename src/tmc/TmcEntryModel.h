#pragma once

#include "tmc/TmcCatalogue.h"

#include <QAbstractListModel>

namespace zor {

// The rows of a drop-down list taken from a catalogue's entry table: a row's
// text is made only when the list shows or reads it, so a catalogue of any
// size costs one block of text however many rows it has.
class TmcEntryModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit TmcEntryModel(TmcEntryTable table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    TmcEntryTable table_;
};

} // namespace zor
