#include "tmc/TmcListField.h"

#include "tmc/TmcEntryModel.h"

#include <QComboBox>
#include <QListView>
#include <QSignalBlocker>

namespace zor {

void makeCatalogueField(QComboBox* field, int columns) {
    field->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    field->setMinimumContentsLength(columns);
    if (auto* rows = qobject_cast<QListView*>(field->view()))
        rows->setUniformItemSizes(true);
}

void fillCatalogueField(QComboBox* field, TmcEntryTable table) {
    // The field's own model would make an item object of every entry. The
    // field deletes the model it owned before.
    const QSignalBlocker quiet(field);
    field->setModel(new TmcEntryModel(std::move(table), field));
}

} // namespace zor
