#pragma once

#include <span>

#include "Records/SignalData.h"
#include "TvkBaseGui/CRecordOptions.h"

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

    void FillListSource() override;
    void SetEditAttribute() override { ExponentialScalingConstantEdit.SetSecond(2); }
    void GetCommandInfoList(CCmdList& lines) const override;
};
