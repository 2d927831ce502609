#pragma once

#include <initializer_list>
#include <span>

#include "Records/OpenCommon.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// What the records of mixture designs, item analysis, scalogram analysis, conjoint analysis, perceptual
// mapping, path models and spatial statistics share.

// Command modules (string resources).
inline constexpr UINT kMixtureModule = 12890;   // MIXTURE
inline constexpr UINT kItemModule = 12891;      // ITEMS
inline constexpr UINT kPosacModule = 12892;     // POSAC
inline constexpr UINT kConjointModule = 12893;  // CONJOINT
inline constexpr UINT kMappingModule = 12894;   // MAPPING
inline constexpr UINT kPathModule = 12895;      // PATH
inline constexpr UINT kSpatialModule = 12896;   // SPATIAL

// The source list becomes the data's numeric variables. When every list of `targets` is empty, the
// first target takes the first `firstCount` numeric variables and each further target the next one, so
// that the defaults can run on any data with enough variables.
void FillNumericSource(CGUIBaseObj& record, CVariableList& source,
                       std::initializer_list<CVariableList*> targets, int firstCount = 1);

// "KEYWORD" + " /" + clauses, or the keyword alone when there are none (each clause starts with a blank).
CString WithClauses(const CString& keyword, const CString& clauses);

// The keyword at `index`, or an empty text outside the list.
const wchar_t* KeywordAt(std::span<const wchar_t* const> keywords, int index);
// " NAME = keyword" for the choice at `index`; nothing for a choice whose keyword is empty (the default
// one, which the kernel assumes).
CString KeywordClause(const wchar_t* name, std::span<const wchar_t* const> keywords, int index);

// " NAME = v1 v2 ..." for a list of numbers or names typed by the user; nothing when it is empty.
CString ListClause(const wchar_t* name, const CString& list);

inline constexpr int kMinimumIterations = 1;
inline constexpr double kMaximumConvergence = 0.1;

// " ITER = n" and " CONV = c", each as the value rule says.
CString IterationClauses(const CGUIData<int>& iterations, const CGUIData<double>& convergence);
