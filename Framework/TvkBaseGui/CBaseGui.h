#pragma once

#include <vector>

#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// The data's variables as source lists for the procedures.
class TVK_API CBaseGui {
public:
    // Fills `list` with the data's variables of a kind (kSourceAllVariables or
    // kSourceNumericVariables), in the data's order. `flag` is reserved (0).
    static void GetSourceVariable(CVariableList& list, int kind, int flag);
    // The source list of row statistics: the data's numeric variables.
    static void GetSourceVarRowStats(CVariableList& list, int flag);
    // For each variable of `list`, whether the data has a variable of its name (all false without
    // data). The data is read only until every name of the list is found: a list of a few of the
    // first variables costs no more than those few, however wide the data.
    static std::vector<bool> PresentInData(const CVariableList& list);
};
