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

class CGUIBaseDlg;
class CDataExchange;

// The distribution a procedure chose and the values of every parameter control of every distribution
// its description file offers (so that going back to a distribution finds its values again). A list or
// matrix parameter keeps its text beside its value, which is then 1 when the text names a file.
//
// Archive (ours): format version (4 bytes); the chosen type (4 bytes, -1 for none yet); the number of
// distributions (count form); for each, its type (4 bytes), the number of its values (count form) and
// the values (8 bytes each; integer parameters too, exactly), and under version 2 the number of its
// texts (count form) and the texts (wide-string form). Version 1 is written while no distribution
// keeps texts, so that records of number parameters alone keep their bytes; loading takes 1 and 2.
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
// dialog id it was opened with (in its archive, after the base part, 4 bytes), since what follows
// may depend on it.
class TVK_API CDistribNewData : public CGUIBaseObj {
public:
    void Serialize(CArchive& ar) override;
    // The string resource holding the function stem of the type ("norm" for NORMAL): the command
    // keyword's id plus 300; -1 for a type without one.
    static int GetDistributionComboIDS(int type);
    // The stem's text; empty for a type without one.
    static CString GetDistributionCommand(int type);
    // Whether parameter `index` (from 0) of `type` is a whole number (degrees of freedom, counts).
    static bool IsIntegerParameter(int type, int index);

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

// One parameter control of a description file.
struct TVK_API DistribParameter {
    enum class Check { Any, Positive, Unit, AtLeast, Above };
    // A number, or a text: a list of numbers, or a matrix (rows separated by ";" or line breaks) that
    // may instead be read from a file.
    enum class Kind { Number, List, Matrix };
    CString label;
    bool integer = false;
    Kind kind = Kind::Number;
    double defaultValue = 0;
    CString defaultText;  // of a list or matrix
    Check check = Check::Any;
    double bound = 0;  // of AtLeast and Above
    bool IsText() const { return kind != Kind::Number; }
    // The range text of the tool tip, e.g. "( 0.0 , +inf )".
    CString RangeText() const;
    bool Accepts(double value) const;
};

// The numbers of a list parameter's text (separated by blanks, or by commas unless the comma is the
// decimal symbol `decimal`); nullopt when an entry is no number. A matrix's text gives its rows
// (separated by ";" or line breaks, empty rows skipped), each such a list.
TVK_API std::optional<std::vector<double>> ParseNumberList(const CString& text, wchar_t decimal = L'.');
TVK_API std::optional<std::vector<std::vector<double>>> ParseNumberMatrix(const CString& text,
                                                                          wchar_t decimal = L'.');
// A list's or matrix's text as command lines write it: "[1, 2, 3]", a matrix's rows "[1, 0; 0, 1]"
// (a list is a matrix of one row); a file's name in double quotes, a quote inside doubled.
TVK_API CString MatrixCommandText(const CString& text, bool isFile);

struct TVK_API DistribInfo {
    int type = -1;
    UINT nameIds = 0;
    std::vector<DistribParameter> parameters;
};

// The host's distribution manager: reads a procedure's description file, makes a distribution combo
// (control 50000) and the parameter edits inside a dialog's placeholder, and keeps the choice and the
// values in a CDistribManagerData.
//
// Description files are INI files, read with inih. One section a distribution, in the order offered:
//     [Normal]
//     Type = 9
//     Name = 12433                       ; the string resource that names it
//     Param = Mean | real | 0.0 | any    ; label | real or int | default | check
//     Param = SD | real | 1.0 | positive
//     Param = Probabilities | list | 0.2 0.3 0.5 | any
//     Param = Covariance | matrix | 1 0;0 1 | any
// Kinds: real, int, list (of numbers), matrix (or a file, chosen by a check). Checks of numbers: any,
// positive (> 0), unit (strictly between 0 and 1), atleast N, above N; texts take "any" only.
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

    // Reads a description file: the file at `path`, else the embedded file of the same name under
    // Resources/distributions/. False (and nothing offered) when neither exists or it does not parse.
    bool ReadDistribInfo(const CString& path);
    // Parses a description file's text; the line of the first error, or 0.
    int ParseDistribInfo(const std::string& text);
    const std::vector<DistribInfo>& GetInfo() const { return m_info; }

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
    // exchange with the range message on the first refused one.
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

    CGUIBaseDlg* m_pDlg;
    CDistribManagerData* m_pData = nullptr;
    std::vector<DistribInfo> m_info;
    UINT m_nPlaceholder = 0;
};
