#pragma once

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
};
