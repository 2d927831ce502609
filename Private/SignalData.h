#pragma once

#include <span>
#include "Records/SignalData.h"

#include "TvkBaseGui/CRecordOptions.h"

// The exponential scaling constant starts at gamma's M0 but is written only once the user gives it,
// whatever the all-values switch says; the Poisson mean starts at gamma's R.
#define SIGNAL_OPTIONS(LIST, OPTION)                                  \
    LIST(ListOfVariablesList)                                         \
    LIST(StimulusVariablesList)                                       \
    LIST(ResponseVariablesList)                                       \
    OPTION(CGUIData<int>, IterationsEdit, 50)                         \
    OPTION(CGUIData<double>, ConvergeEdit, 0.001)                     \
    OPTION(CGUIData<double>, GammaMoEdit, 1.0)                        \
    OPTION(CGUIData<double>, GammaREdit, 5.0)                         \
    OPTION(CGUIData<double>, ExponentialScalingConstantEdit,          \
           AutomaticDefault(GetDefaultGammaMoEdit().GetValue()))      \
    OPTION(CGUIData<double>, PoissonMeanEdit, GetDefaultGammaREdit()) \
    OPTION(CGUIData<double>, FreedomDegreesEdit, 10.0)                \
    OPTION(int, SaveCheck, 0)                                         \
    OPTION(int, StartRadio, 0)                                        \
    OPTION(int, ModelTypeCombo, 0)                                    \
    OPTION(int, SaveTypeCombo, 0)                                     \
    OPTION(CString, SaveFileEdit)

// Signal detection: response variables related to stimulus variables under one of seven models.
class CSignalData : public CRecordOptions<CSignalData>, public CSignalDataValues {
public:
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

    TVK_OPTIONS(SIGNAL_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override { ExponentialScalingConstantEdit.SetSecond(2); }
    void GetCommandInfoList(CCmdList& lines) const override;
};
