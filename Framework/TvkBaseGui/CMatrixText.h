#pragma once

#include "Platform/CString.h"
#include "TvkApi.h"

// The single-line form of a matrix typed row by row, as command lines carry it: "= " and then the rows,
// each with its entries separated by one blank, the rows separated by "; ". Rows are the text's lines
// (a line feed ends one, a carriage return before it is dropped); blanks, tabs and carriage returns
// around and between entries collapse to one blank, and lines holding nothing else are left out.
//
//     "1 2\r\n  3\t4\r\n"  ->  "= 1 2; 3 4"
//
// A text without any entry gives "= " alone.
TVK_API CString GetSingleLineMatrixString(const CString& matrix);
