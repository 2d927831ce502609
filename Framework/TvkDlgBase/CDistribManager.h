#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Platform/CArchive.h"
#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkBaseGui/CGUIData.h"
#include "TvkDlgBase/DistribFacts.h"

class CGUIBaseDlg;
class CDataExchange;

// The distribution a procedure chose and the values of every parameter control of every distribution
// its description file offers (so that going back to a distribution finds its values again). A list or
// matrix parameter keeps its text (in its stored form, StoredNumberText) beside its value, which is then
// 1 when the text names a file.
//
// Archive (ours): format version (4 bytes); the chosen type (4 bytes, -1 for none yet); the number of
// distributions (count form); for each, its type (4 bytes), the number of its values (count form) and
// the values (8 bytes each; integer parameters too, exactly), and under version 2 the number of its
// texts (count form) and the texts (wide-string form). Version 1 is written while no distribution
// keeps texts, so that records of number parameters alone keep their bytes; loading takes 1 and 2.
// Loading refuses what no dialog stores: a type the table of distributions does not know, a parameter
// count other than the type's, a value its parameter's check refuses, and a chosen distribution whose
// values do not fit together.
class TVK_API CDistribManagerData {
public:
    static constexpr int kFormatVersion = 1;
    static constexpr int kTextFormatVersion = 2;

    int GetActiveType() const { return m_nActiveType; }
    void SetActiveType(int type) { m_nActiveType = type; }
    // The values kept for a type; null when none are.
    const std::vector<double>* FindValues(int type) const;
    std::vector<double>& Values(int type) { return m_values[type]; }
    const std::map<int, std::vector<double>>& AllValues() const { return m_values; }
    // The texts kept for a type (one per parameter, empty for numbers); null when none are.
    const std::vector<CString>* FindTexts(int type) const;
    std::vector<CString>& Texts(int type) { return m_texts[type]; }

    void Serialize(CArchive& ar);
    friend bool operator==(const CDistribManagerData&, const CDistribManagerData&) = default;

private:
    int m_nActiveType = -1;
    std::map<int, std::vector<double>> m_values;
    std::map<int, std::vector<CString>> m_texts;
};

// A record of a procedure whose distribution the manager keeps: a CGUIBaseObj that also keeps the
// variant identifier it was opened with (in its archive, after the base part, 4 bytes), since what follows
// may depend on it.
class TVK_API CDistribNewData : public CGUIBaseObj {
public:
    void Serialize(CArchive& ar) override;
    // The string resource holding the function stem of the type ("norm" for NORMAL): the command
    // keyword's id plus 300; -1 for a type without one.
    static int GetDistributionComboIDS(int type);
    // The stem's text; empty for a type without one.
    static CString GetDistributionCommand(int type);
    static bool IsIntegerParameter(int type, int index) { return ::IsIntegerParameter(type, index); }

    // The chosen distribution's grid as the record keeps it: row k (from 1) is parameter k, its value
    // in column CDistribManager::kValueColumn. False (the holder untouched) for a cell without one.
    bool GetRowColData(int row, int col, CGUIData<double>& holder) const;
    bool GetRowColData(int row, int col, CGUIData<int>& holder) const;
    // The text of a list or matrix parameter, and whether it names a file.
    bool GetRowColData(int row, int col, CString& text, bool& isFile) const;
    // The number of parameters kept for the chosen distribution.
    int GetParameterCount() const;

    CDistribManagerData DistribManagerData;
};

// A distribution the manager offers: its facts (DistribFacts.h).
using DistribInfo = DistribFact;

// The host's distribution manager: reads a procedure's description file, makes a distribution combo
// (control 50000) and the parameter edits inside a dialog's placeholder, and keeps the choice and the
// values in a CDistribManagerData.
//
// A description file names the distributions a procedure offers, in the order offered; what each takes
// is the table of distributions' (DistribFacts.h). It is an INI file, read with inih:
//     [Distributions]
//     Distribution = Normal
//     Distribution = Gamma
// The module's own files are embedded in it (Resources/distributions/); the host may name a folder to
// read them from instead (IGlobal::GetDistributionFolder).
class TVK_API CDistribManager {
public:
    static constexpr UINT kDistribCombo = 50000;
    // Parameter i (from 1) has its label at kLabelBase + i and its edit at kEditBase + i.
    static constexpr UINT kEditBase = 50010;
    static constexpr UINT kLabelBase = 50030;
    // The "From file" check of matrix parameter i.
    static constexpr UINT kFileCheckBase = 50050;
    static constexpr int kMaxParameters = 6;
    // The grid's columns: label, range text, value.
    static constexpr int kLabelColumn = 0;
    static constexpr int kRangeColumn = 1;
    static constexpr int kValueColumn = 2;

    explicit CDistribManager(CGUIBaseDlg* dlg) : m_pDlg(dlg) {}

    // The most a description file may hold; reading stops beyond it.
    static constexpr std::size_t kMaxFileBytes = 64 * 1024;

    // Reads a description file: a bare name is the module's own (embedded), a path with a folder the
    // file there. False (nothing offered, GetReadError saying why with the file's name and line) when
    // it cannot be read or parsed.
    bool ReadDistribInfo(const CString& path);
    // Parses a description file's text: 0, or the line of the first error (-1 for the whole file);
    // GetReadError then says what is wrong there.
    int ParseDistribInfo(const std::string& text);
    const std::vector<DistribInfo>& GetInfo() const { return m_info; }
    // "FILE:LINE: what is wrong" of the last read that failed; empty after one that did not.
    const CString& GetReadError() const { return m_error; }

    void SetDistribManagerData(CDistribManagerData* data) { m_pData = data; }
    // Gives every offered distribution without kept values its defaults, and chooses the first one
    // when the kept choice is not offered.
    void FillupDistribInfoVecMap();
    // Makes the combo and the parameter edits inside the placeholder and shows the chosen distribution.
    void CreateControls(UINT placeholder, int show);
    // A command of the dialog: true when it was the distribution combo changing its selection (the
    // parameter controls then show the new choice).
    bool OnCommand(UINT id);
    // Exchanges the shown distribution's edits with the data; storing checks each value and fails the
    // exchange with the range message on the first refused one, then the values taken together (the
    // table's message). With nothing offered (a description file that could not be read) storing fails
    // with the reason.
    void DoDataExchange(CDataExchange* pDX);

    int GetActiveDBT() const;
    const DistribInfo* FindInfo(int type) const;
    // Parameter `index` (from 1) of `type`; false when there is none.
    bool GetValue(int type, int controlType, int reserved, int index, CGUIData<double>& holder) const;
    bool GetValue(int type, int controlType, int reserved, int index, CGUIData<int>& holder) const;
    // The grid of the chosen distribution: row 0 its name (column 0 "Distribution", column 2 the name),
    // then one row per parameter: its label, range text and value as text.
    CString GetRowColData(int row, int col) const;
    // Makes `type` the chosen distribution (when offered) and shows its controls, as the combo would.
    bool SelectType(int type);
    int GetRowCount() const;
    // The display id of an offered distribution's name (exact, case-insensitive), or 0.
    UINT GetIDSFromString(const CString& name) const;
    int GetDistribTypeFromIDS(UINT ids) const;

private:
    void ShowActive();
    // Before another distribution is shown: what the user typed for the one shown now is kept for it
    // (numbers that its checks accept, and texts as typed), so that going back finds it again.
    void KeepTyped();
    const std::vector<double>& ActiveValues() const;
    // What the edit of parameter `at` of the shown distribution `d` shows: a value the user gave in
    // full, a list or matrix in the host's decimal symbol.
    CString ValueText(const DistribInfo& d, std::size_t at) const;

    CGUIBaseDlg* m_pDlg;
    CDistribManagerData* m_pData = nullptr;
    std::vector<DistribInfo> m_info;
    CString m_error;
    UINT m_nPlaceholder = 0;
};
