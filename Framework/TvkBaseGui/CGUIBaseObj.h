#pragma once

#include <optional>
#include <sstream>
#include <type_traits>

#include "Platform/CArchive.h"
#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CCmdInfo.h"
#include "TvkBaseGui/CGUIArray.h"
#include "TvkBaseGui/CGUIData.h"
#include "TvkBaseGui/CGUIDataVariable.h"

using CVariableList = CGUIArray<CGUIDataVariable>;
using CCmdList = CLIST<CCmdInfo>;

// Base of every procedure record.
//
// Base part of the archive: a format version (4 bytes, 1) and the window state (4 bytes). Loading
// refuses any other version. The variant identifier, the command identifier and the parent are set
// anew at every opening and are not archived.
class TVK_API CGUIBaseObj {
public:
    static constexpr int kBaseFormatVersion = 1;
    static constexpr std::size_t kBaseArchiveBytes = 8;

    CGUIBaseObj() = default;
    virtual ~CGUIBaseObj() = default;
    // The parent is where the record sits now, not part of its value: copies keep their own.
    CGUIBaseObj(const CGUIBaseObj& other);
    CGUIBaseObj& operator=(const CGUIBaseObj& other);

    virtual void Serialize(CArchive& ar);
    // Loads the record from a loading archive; on any failure the record is left exactly as it was
    // and the archive's exception goes on to the caller.
    void LoadFromArchive(CArchive& ar);
    // The record was read back from a store, as against restored from a copy of itself: what it does not
    // archive and does not keep across a reading comes back as built. Most records keep all of it.
    virtual void OnReadBack() {}

    // Data-dependent work before a dialog opens, and the record's command lines.
    virtual void ReassignDefaultValue() {}
    virtual void FillListSource() {}
    virtual void SetEditAttribute() {}
    virtual void GetCommandInfoList(CCmdList& lines) const {}
    virtual CGUIBaseObj* GetParent() const { return m_pParent; }
    virtual void SetParent(CGUIBaseObj* parent) { m_pParent = parent; }
    // Brings `target` (a source list) up to date with `current` (the data's variables now): the list
    // becomes exactly the data's variables in the data's order.
    virtual void UpdateCtrlList(CVariableList& target, const CVariableList& current, int flag);

    // Number of cases of the current data (0 without data).
    static int GetRowCount();
    void SetstrDialog(UINT command) { m_nCommand = command; }
    UINT GetstrDialog() const { return m_nCommand; }
    // The variant identifier: 0, or the caption identifier the launcher gave the record's dialog.
    UINT GetVariantID() const { return m_nVariantID; }
    void SetVariantID(UINT id) { m_nVariantID = id; }
    int GetWindowState() const { return m_nWindowState; }
    void SetWindowState(int state) { m_nWindowState = state; }

    // ---- command builders --------------------------------------------------------------------
    // The module line: the text of string resource `ids`, prefixed "Rem " when that module is
    // already the host's current one.
    static void AddModuleCmd(UINT ids, CCmdList& lines);
    // The module line, then the save line (with `command`, if any, and no text) when `save` is checked:
    // how most procedures' lines open.
    static void AddModuleAndSaveCmd(UINT ids, int save, const CString& file, CCmdList& lines,
                                    const CString& command = CString());
    // The save line: SAVE "file" (the command and text, when not empty, stand between SAVE and the
    // name and after it), a quote in the name doubled. Nothing is written for an empty file name.
    static void AddSaveCmd(const CString& file, CCmdList& lines, const CString& command, const CString& text);
    static void AddVariables(CString& line, const CVariableList& variables, const CString& separator);
    // `clause` and the variables after it, blank-separated, when there are any.
    static void AddVariablesClause(CString& line, const CString& clause, const CVariableList& variables);
    static CString AddOnConditionCmd(const CString& text, int condition) {
        return condition ? text : CString();
    }
    // The holder's value as text when `condition` is non-zero, whatever the value rule says.
    template <class T>
    static CString AddOnConditionCmd(const CGUIData<T>& holder, int condition) {
        return condition ? NumberText(holder.GetValue()) : CString();
    }
    static void AddRem(CString& line) { line = L"Rem " + line; }

    // The value rule, the one place that decides whether a holder's value is written: a holder is
    // written when the user changed it (default mark clear), or when the host's all-values switch is
    // on and its second mark is 0.
    template <class T>
    static bool IsValueToWrite(const CGUIData<T>& holder);

    // prefix + value, when `flag` is non-zero and the value rule says so; else nothing.
    template <class T>
    static CString AddEditValueCmd(const CGUIData<T>& holder, const CString& prefix, int flag);
    // prefix + value, when `flag` is non-zero and either `force` is non-zero or the value differs from
    // the reference's value; else nothing.
    template <class T>
    static CString AddEditValueCmd(const CGUIData<T>& holder, const CGUIData<T>& reference, int force,
                                   const CString& prefix, int flag);
    template <class T>
    requires std::is_arithmetic_v<T>
    static CString AddEditValueCmd(T value, T reference, int force, const CString& prefix, int flag);
    // Appends prefix + value to `line`, always.
    template <class T>
    static void AppendEditValueCmd(CString& line, const CGUIData<T>& holder,
                                   const CString& prefix = CString());

    // Number text: as a standard output stream writes the number (six significant digits for a
    // double), never with the sign of a zero. The point form is what test, sample and plot lines carry
    // whatever the host's symbol; NumberText turns every "." into "," when that symbol is a comma.
    static CString PointNumberText(double value);
    static CString NumberText(double value);
    // A number written with a decimal point, in the host's decimal symbol.
    static CString InHostSymbol(const CString& pointForm);
    static CString NumberText(int value);
    static CString NumberText(unsigned int value);
    // Numbers the user typed as text (one, or a list separated by blanks), as a line carries them: each
    // with the digits as typed, its decimal separator ("." or ",", whichever it was typed with) the
    // host's symbol, no "+" and no "-" on a zero, one blank between. nullopt when a word is no number.
    static std::optional<CString> TypedNumbersText(const CString& typed);

private:
    UINT m_nVariantID = 0;
    UINT m_nCommand = 0;
    int m_nWindowState = 1;
    CGUIBaseObj* m_pParent = nullptr;
};

TVK_API bool GetAllValuesSwitch();

template <class T>
bool CGUIBaseObj::IsValueToWrite(const CGUIData<T>& holder) {
    return !holder.IsDefault() || (GetAllValuesSwitch() && holder.GetSecond() == 0);
}

template <class T>
CString CGUIBaseObj::AddEditValueCmd(const CGUIData<T>& holder, const CString& prefix, int flag) {
    if (!flag || !IsValueToWrite(holder))
        return {};
    return prefix + NumberText(holder.GetValue());
}

template <class T>
CString CGUIBaseObj::AddEditValueCmd(const CGUIData<T>& holder, const CGUIData<T>& reference, int force,
                                     const CString& prefix, int flag) {
    return AddEditValueCmd(holder.GetValue(), reference.GetValue(), force, prefix, flag);
}

template <class T>
requires std::is_arithmetic_v<T> CString CGUIBaseObj::AddEditValueCmd(T value, T reference, int force,
                                                                      const CString& prefix, int flag) {
    if (!flag || (!force && value == reference))
        return {};
    return prefix + NumberText(value);
}

template <class T>
void CGUIBaseObj::AppendEditValueCmd(CString& line, const CGUIData<T>& holder, const CString& prefix) {
    line += prefix;
    line += NumberText(holder.GetValue());
}
