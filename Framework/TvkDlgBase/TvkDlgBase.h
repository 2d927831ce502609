#pragma once

#include "HostApi/Interfaces.h"
#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CCmdInfo.h"

// Makes the dialog base for a module; released with Release.
TVK_API IDlgBase* CreateDlgBase(IGlobal* global);

class TVK_API CCommandUtil {
public:
    // The command text of a string resource; false (and an empty text) when there is none.
    static bool GetCommandFromIDS(UINT ids, CString& command);
    // Appends the line that puts the given print setting back in force: "PLENGTH " and the setting's
    // name (0 NONE, 1 SHORT, 2 MEDIUM, 3 LONG; any other value MEDIUM, the host's default).
    static void GeneratePrintReset(CLIST<CCmdInfo>& lines, int level);
};

// Combo and radio tables of Resources/. An index outside a table gives an empty text and item 0.
class TVK_API CComboUtil {
public:
    static int GetComboCount(UINT comboId);
    // The item's text; `upper` non-zero gives it in capitals.
    static CString GetComboString(UINT comboId, int index, int upper = 0);
    static UINT GetComboItem(UINT comboId, int index);
    // The index of an item id, or -1.
    static int GetComboIndex(UINT comboId, UINT item);
};

class TVK_API CRadioUtil {
public:
    static int GetRadioCount(UINT groupId);
    // The item id of the radio button at `index` of the group.
    static UINT GetRadioItem(UINT groupId, int index);
    static UINT GetRadioControl(UINT groupId, int index);
    static CString GetRadioString(UINT groupId, int index);
};
