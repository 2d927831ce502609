#include "Private/DistribPanel.h"

#include <cmath>

#include "HostApi/HostServices.h"
#include "TvkUseRes/ResourceTables.h"

void CDistribPanel::Open(CGUIBaseDlg& dlg, CDistribManagerData& data, const wchar_t* file, UINT placeholder,
                         int showCombo) {
    m_pManager = std::make_unique<CDistribManager>(&dlg);
    m_pData = &data;
    IGlobal* global = GetHostGlobal();
    m_pManager->ReadDistribInfo((global ? global->GetDistributionFolder() : CString()) + file);
    m_pManager->SetDistribManagerData(&data);
    m_pManager->FillupDistribInfoVecMap();
    m_pManager->CreateControls(placeholder, showCombo);
}

void CDistribPanel::FillDefaults(CDistribManagerData& fresh) {
    if (!m_pManager || !m_pData)
        return;
    m_pManager->SetDistribManagerData(&fresh);
    m_pManager->FillupDistribInfoVecMap();
    m_pManager->SetDistribManagerData(m_pData);
}

void CDistribPanel::DoDataExchange(CGUIBaseDlg& dlg, CDataExchange* pDX) {
    if (!m_pManager)
        return;
    m_pManager->DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate || !m_pData)
        return;
    if (const auto refused = CheckParameters(*m_pData)) {
        const UINT edit = CDistribManager::kEditBase + static_cast<UINT>(refused->parameter) + 1;
        dlg.ChangeColor(edit, kColorInvalid);
        TKMessageBox(GetString(refused->message));
        pDX->Fail(edit);
    }
}

namespace {

bool IsSquare(const std::vector<std::vector<double>>& rows, std::size_t n, bool symmetric) {
    if (rows.size() != n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (rows[i].size() != n)
            return false;
        for (std::size_t j = 0; symmetric && j < i; ++j)
            if (rows[i][j] != rows[j][i])
                return false;
    }
    return true;
}

}  // namespace

std::optional<CDistribPanel::Refusal> CDistribPanel::CheckParameters(const CDistribManagerData& data) {
    const int type = data.GetActiveType();
    const std::vector<double>* values = data.FindValues(type);
    const std::vector<CString>* texts = data.FindTexts(type);
    const auto value = [&](std::size_t i) { return values && i < values->size() ? (*values)[i] : 0.0; };
    const auto text = [&](std::size_t i) { return texts && i < texts->size() ? (*texts)[i] : CString(); };
    const auto fromFile = [&](std::size_t i) { return value(i) != 0; };
    const auto dimension = static_cast<std::size_t>(std::max(0.0, value(0)));
    // A matrix parameter: square of the dimension (and symmetric), unless it is read from a file.
    const auto matrixFits = [&](std::size_t i, bool symmetric) {
        const auto rows = ParseNumberMatrix(text(i), GetDecimalSymbol());
        return fromFile(i) || (rows && IsSquare(*rows, dimension, symmetric));
    };
    switch (type) {
        case 0:  // UNIFORM: lower, upper
            if (value(0) > value(1))
                return Refusal{kBoundsRefused, 1};
            break;
        case 3:  // TRIANGULAR: lower, upper, mode
            if (value(1) < value(0) || value(2) < value(0) || value(2) > value(1))
                return Refusal{kTriangularRefused, 2};
            break;
        case 26:  // HGEOMETRIC: population, successes, sample size
            if (value(1) > value(0) || value(2) > value(0))
                return Refusal{kCountsRefused, 1};
            break;
        case 29: {  // MULTINOMIAL: trials, categories, probabilities
            const auto p = ParseNumberList(text(2), GetDecimalSymbol());
            double sum = 0;
            bool valid = p && p->size() == static_cast<std::size_t>(value(1));
            for (std::size_t i = 0; valid && i < p->size(); ++i) {
                valid = (*p)[i] >= 0 && (*p)[i] <= 1;
                sum += (*p)[i];
            }
            if (!valid || std::abs(sum - 1) > 1e-9)
                return Refusal{kProbabilitiesRefused, 2};
            break;
        }
        case 31: {  // DIRICHLET: dimension, parameters
            const auto a = ParseNumberList(text(1), GetDecimalSymbol());
            bool valid = a && a->size() == dimension;
            for (std::size_t i = 0; valid && i < a->size(); ++i)
                valid = (*a)[i] > 0;
            if (!valid)
                return Refusal{kParametersRefused, 1};
            break;
        }
        case 32: {  // ZMNORMAL: dimension, means, covariance
            const auto means = ParseNumberList(text(1), GetDecimalSymbol());
            if (!means || means->size() != dimension)
                return Refusal{kMeansRefused, 1};
            if (!matrixFits(2, true))
                return Refusal{kMatrixRefused, 2};
            break;
        }
        case 33:  // WISHART: dimension, degrees of freedom, scale, noncentrality
            if (value(1) < value(0))
                return Refusal{kDegreesRefused, 1};
            if (!matrixFits(2, true))
                return Refusal{kMatrixRefused, 2};
            if (!matrixFits(3, false))
                return Refusal{kMatrixRefused, 3};
            break;
        default:
            break;
    }
    return std::nullopt;
}
