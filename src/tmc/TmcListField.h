#pragma once

#include "tmc/TmcCatalogue.h"

class QComboBox;

namespace zor {

// A catalogue drop-down stays quick with tens of thousands of entries: every
// row has the height of the first, so opening and scrolling the list lays
// out only the rows that show, and the field takes its width from
// `columns` characters instead of measuring every entry.
void makeCatalogueField(QComboBox* field, int columns);

// Replaces the entries of `field` with those of `table` in one step. No
// selection signal is raised: the field then shows entry 0 (nothing when the
// table is empty), and the caller chooses that entry by program when its
// handling is to run.
void fillCatalogueField(QComboBox* field, TmcEntryTable table);

} // namespace zor
