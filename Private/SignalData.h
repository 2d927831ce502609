#pragma once

#include <span>

#include "TvkBaseGui/CRecordOptions.h"

// Signal detection: response variables related to stimulus variables under one of seven models.
class CSignalData : public CRecordOptions<CSignalData> {
public:
    static constexpr UINT kModelCombo = 4417;
    static constexpr UINT kSaveTypeCombo = 4426;
    static constexpr UINT kStartGroup = 4407;
    static constexpr UINT kStartEstimated = 4405;
    static constexpr UINT kModule = 12945;

    // What a model writes besides its word.
    enum ModelOption : unsigned {
        Iterates = 1,         // iterations and convergence
        GammaShape = 2,       // M0 and R
        Constant = 4,         // the scaling constant, " C = "
        ConstantNoBlank = 8,  // the scaling constant, " C =" (the exponential model's own form)
        FreedomDegrees = 16,
        PoissonMean = 32,
        Start = 64,  // " START" when the starting values are estimated
    };
    struct Model {
        UINT item;  // of combo 4417
        const wchar_t* word;
        unsigned options;
    };
    static std::span<const Model> GetModels();
    // The model of an item id; null for an id outside the table.
    static const Model* FindModel(UINT item);

    static CGUIData<int> GetDefaultIterationsEdit() { return CGUIData<int>(50); }
    static CGUIData<double> GetDefaultConvergeEdit() { return CGUIData<double>(0.001); }
    static CGUIData<double> GetDefaultGammaMoEdit() { return CGUIData<double>(1.0); }
    static CGUIData<double> GetDefaultGammaREdit() { return CGUIData<double>(5.0); }
    // The constant is written only once the user gives it, whatever the all-values switch says.
    static CGUIData<double> GetDefaultExponentialScalingConstantEdit();
    static CGUIData<double> GetDefaultPoissonMeanEdit() { return GetDefaultGammaREdit(); }
    static CGUIData<double> GetDefaultFreedomDegreesEdit() { return CGUIData<double>(10.0); }
    static int GetDefaultSaveCheck() { return 0; }
    static int GetDefaultStartRadio() { return 0; }
    static int GetDefaultModelTypeCombo() { return 0; }
    static int GetDefaultSaveTypeCombo() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    auto Options() {
        return std::tie(ListOfVariablesList, StimulusVariablesList, ResponseVariablesList, IterationsEdit,
                        ConvergeEdit, GammaMoEdit, GammaREdit, ExponentialScalingConstantEdit,
                        PoissonMeanEdit, FreedomDegreesEdit, SaveCheck, StartRadio, ModelTypeCombo,
                        SaveTypeCombo, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override { ExponentialScalingConstantEdit.SetSecond(2); }
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList StimulusVariablesList;
    CVariableList ResponseVariablesList;
    CGUIData<int> IterationsEdit = GetDefaultIterationsEdit();
    CGUIData<double> ConvergeEdit = GetDefaultConvergeEdit();
    CGUIData<double> GammaMoEdit = GetDefaultGammaMoEdit();
    CGUIData<double> GammaREdit = GetDefaultGammaREdit();
    CGUIData<double> ExponentialScalingConstantEdit = GetDefaultExponentialScalingConstantEdit();
    CGUIData<double> PoissonMeanEdit = GetDefaultPoissonMeanEdit();
    CGUIData<double> FreedomDegreesEdit = GetDefaultFreedomDegreesEdit();
    int SaveCheck = GetDefaultSaveCheck();
    int StartRadio = GetDefaultStartRadio();
    int ModelTypeCombo = GetDefaultModelTypeCombo();
    int SaveTypeCombo = GetDefaultSaveTypeCombo();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
