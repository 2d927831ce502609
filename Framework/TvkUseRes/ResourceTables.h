#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Platform/CString.h"
#include "TvkApi.h"

// The resource tables of the files that loaded libraries register (Resources/ of the module), each
// file parsed once, when it is first asked for after its library loads.
//
// File syntax (UTF-8, one entry a line, '#' starts a comment line, texts in double quotes with \" and \\):
//   strings/*.txt    ID "text"
//   combos/*.txt     COMBO ID            then lines   ITEM_ID "text" ["shown"]
//   radios/*.txt     RADIO ID            then lines   CONTROL_ID ITEM_ID "text" ["shown"]
//   templates/*.txt  DIALOG ID "caption" then lines   CONTROL_ID KIND "text" [NAME...] [HINT...] [tip "tip"]
//                    [when|unless NAME]
//                    (KIND: edit, intedit, doubleedit, fileedit, check, radio, combo, list, button, static,
//                    tab, and uintedit and udoubleedit for number edits that refuse a minus sign. NAMEs,
//                    IDC_ and capitals, digits or '_', are what the code calls the control: the build
//                    declares them in Templates/<file>.h (cmake/TemplateNames.cmake). HINTs are the other
//                    words, for a graphical host's layout, which the dialog model ignores; "tip" is the
//                    control's tooltip, which a dialog that computes one replaces in AddToolTips; "when NAME"
//                    enables the control while the template's control NAME is checked, "unless NAME"
//                    while it is not). A VALUES or OPTIONS heading ends the template: what follows is
//                    the record's and dialog's tables, which the build reads (cmake/RecordTables.cmake)
//   menus/*.txt      COMMAND_ID "top" "sub" ... "item"   (the texts from the menu bar down to the item)
// A combo or radio item's text is what the module writes into command lines and results; "shown", when
// given, is what a window shows instead (a word for a person, with its "&" accelerator).
// A malformed line stops the program with the file, line and text named: the tables are part of the build.
struct TVK_API ComboItem {
    UINT id;
    CString text;
    CString shown;
};
struct TVK_API RadioItem {
    UINT control;
    UINT id;
    CString text;
    CString shown;
};
struct TVK_API TemplateControl {
    UINT id;
    std::string kind;
    CString text;
    std::vector<std::string> names;
    std::vector<std::string> hints;
    CString tip;
    // `when IDC_X` / `unless IDC_X`: the control is enabled while control `governor` of the same
    // template is checked (not checked); 0 for a control no check or radio governs.
    UINT governor = 0;
    bool unless = false;
};
struct TVK_API DialogTemplate {
    UINT id = 0;
    CString caption;
    std::vector<TemplateControl> controls;
};

class TVK_API ResourceTables {
public:
    static const ResourceTables& Get();

    const CString* FindString(UINT id) const;
    const std::vector<ComboItem>* FindCombo(UINT id) const;
    const std::vector<RadioItem>* FindRadio(UINT id) const;
    const DialogTemplate* FindTemplate(UINT id) const;
    const std::map<UINT, std::vector<ComboItem>>& Combos() const { return m_combos; }
    const std::map<UINT, std::vector<CString>>& Menus() const { return m_menus; }

    // Parses one file's text into the tables; throws std::runtime_error naming file and line.
    void Parse(const std::string& path, std::string_view text);

private:
    void ParseRegistered();

    std::set<std::string> m_parsed;
    std::map<UINT, CString> m_strings;
    std::map<UINT, std::vector<ComboItem>> m_combos;
    std::map<UINT, std::vector<RadioItem>> m_radios;
    std::map<UINT, DialogTemplate> m_templates;
    std::map<UINT, std::vector<CString>> m_menus;
};

// The text of a string resource; empty when there is none.
TVK_API CString GetString(UINT id);
