#include "Private/SpatialData.h"

#include "Private/OpenCommon.h"
#include "Source/RecordRegistry.h"

void CSpatialData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList, {&XVariableList, &YVariableList, &ValueVariableList});
}

void CSpatialData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kSpatialModule, lines);
    CString text = L"SPATIAL ";
    AddVariables(text, ValueVariableList, L" ");
    text += L" / X = ";
    AddVariables(text, XVariableList, L" ");
    text += L" Y = ";
    AddVariables(text, YVariableList, L" ");
    text +=
        AddOnConditionCmd(L" DECLUSTER = ", DeclusterCheck) + AddOnConditionCmd(CellSizeEdit, DeclusterCheck);
    lines.AddTail(CCmdInfo(text, 0));
}

void CSpatialVarioData::GetCommandInfoList(CCmdList& lines) const {
    CString clauses =
        AddEditValueCmd(LagsEdit, L" LAGS = ", 1) + AddEditValueCmd(LagWidthEdit, L" WIDTH = ", 1);
    if (DirectionalCheck) {
        clauses += L" DIRECTIONS = " + NumberText(DirectionsEdit.GetValue());
        clauses += AddEditValueCmd(AngleToleranceEdit, L" TOLERANCE = ", 1);
    }
    lines.AddTail(CCmdInfo(WithClauses(L"VARIOGRAM", clauses), 0));
}

void CSpatialModelOptsData::GetCommandInfoList(CCmdList& lines) const {
    CString clauses = KeywordClause(L"TYPE", kModelKeywords, ModelCombo);
    if (!FitCheck) {
        clauses += L" FIXED" + AddEditValueCmd(NuggetEdit, L" NUGGET = ", 1);
        clauses += AddEditValueCmd(SillEdit, L" SILL = ", 1) + AddEditValueCmd(RangeEdit, L" RANGE = ", 1);
    }
    lines.AddTail(CCmdInfo(WithClauses(L"MODEL", clauses), 0));
}

void CSpatialKRigData::GetCommandInfoList(CCmdList& lines) const {
    CString clauses = KeywordClause(L"TYPE", kTypeKeywords, TypeRadio);
    // Simple kriging rests on a known mean, which is therefore always stated.
    if (TypeRadio == TypeSimple)
        clauses += L" MEAN = " + NumberText(MeanEdit.GetValue());
    clauses += AddEditValueCmd(MinPointsEdit, L" MINPOINTS = ", 1);
    clauses +=
        AddEditValueCmd(MaxPointsEdit, L" MAXPOINTS = ", 1) + AddEditValueCmd(RadiusEdit, L" RADIUS = ", 1);
    lines.AddTail(CCmdInfo(WithClauses(L"KRIGE", clauses), 0));
}

void CSpatialGridData::GetCommandInfoList(CCmdList& lines) const {
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());
    CString clauses;
    if (ExtentCheck) {
        clauses +=
            L" XMIN = " + NumberText(XMinEdit.GetValue()) + L" XMAX = " + NumberText(XMaxEdit.GetValue());
        clauses +=
            L" YMIN = " + NumberText(YMinEdit.GetValue()) + L" YMAX = " + NumberText(YMaxEdit.GetValue());
    }
    clauses += AddEditValueCmd(SpacingEdit, L" SPACING = ", 1);
    lines.AddTail(CCmdInfo(WithClauses(L"GRID", clauses), 0));
}

REGISTER_RECORD(CSpatialData);
REGISTER_RECORD(CSpatialVarioData);
REGISTER_RECORD(CSpatialModelOptsData);
REGISTER_RECORD(CSpatialKRigData);
REGISTER_RECORD(CSpatialGridData);
REGISTER_RECORD(CSpatialTabData);
