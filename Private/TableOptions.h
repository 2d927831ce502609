#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Options that several table pages share, in the order their lists hold them.

// What each cell of a table shows besides its frequency.
#define TABLE_CELL_OPTIONS(LIST, OPTION) \
    OPTION(int, TablePercentsCheck, 0)   \
    OPTION(int, RowPercentsCheck, 0)     \
    OPTION(int, ColumnPercentsCheck, 0)  \
    OPTION(int, ExpectedCheck, 0)        \
    OPTION(int, DeviatesCheck, 0)        \
    OPTION(int, StandardDeviatesCheck, 0)

// How the tables are laid out, whether missing values form a level, and whether they are saved.
#define TABLE_OUTPUT_OPTIONS(LIST, OPTION) \
    OPTION(int, ListLayoutCheck, 0)        \
    OPTION(int, IncludeMissingValCheck, 0) \
    OPTION(int, SaveDataFileCheck, 0)
