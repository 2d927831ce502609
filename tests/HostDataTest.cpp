// The host's CSV data: names from the header row, a column's type from its cells, quoting, and errors
// that name the file and the line.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Host/HostData.h"
#include "TvkBaseGui/CGUIDataVariable.h"

namespace {

std::string Describe(HostData& data) {
    std::string out;
    for (const auto& v : data.GetVariables())
        out += v.name.ToUtf8() + (v.type == kVariableTypeNumeric ? ":n " : ":s ");
    return out + std::to_string(data.GetCaseCount()) + " cases";
}

std::string LoadError(const std::string& text) {
    HostData data;
    try {
        data.LoadCsvText(text, "in.csv");
    } catch (const HostError& e) {
        return e.what();
    }
    return "no error";
}

TEST(HostDataTest, ColumnIsNumericWhenEveryNonEmptyCellIsANumber) {
    HostData data;
    data.LoadCsvText(
        "A,B,C,D,E\n"
        "1,x,,2.5e3,-4\n"
        "2, 3 ,, +7 ,.5\n"
        "3,4,,1e-2,NA\n",
        "in.csv");
    // B holds a label in one cell; C has no values at all; E ends with a label.
    EXPECT_EQ("A:n B:s C:n D:n E:s 3 cases", Describe(data));
}

TEST(HostDataTest, NonFiniteAndPartialNumbersAreLabels) {
    HostData data;
    data.LoadCsvText("Inf,Nan,Partial,Hex\ninf,nan,12abc,0x10\n", "in.csv");
    EXPECT_EQ("Inf:s Nan:s Partial:s Hex:s 1 cases", Describe(data));
}

TEST(HostDataTest, QuotedCellsHoldCommasLineBreaksAndQuotes) {
    HostData data;
    data.LoadCsvText(
        "\"Name, full\",\"Note\"\"s\",Value\n"
        "\"Smith, J\",\"line one\nline two\",1\n"
        "\"\"\"quoted\"\"\",\"\",\"2\"\n",
        "in.csv");
    EXPECT_EQ("Name, full:s Note\"s:s Value:n 2 cases", Describe(data));
}

TEST(HostDataTest, BlankLinesByteOrderMarkAndCarriageReturnsAreNotData) {
    HostData data;
    data.LoadCsvText("\xEF\xBB\xBF\r\n\r\n X , Y \r\n1,2\r\n\r\n3,4\r\n", "in.csv");
    EXPECT_EQ("X:n Y:n 2 cases", Describe(data));
    data.LoadCsvText("Only\n", "in.csv");
    EXPECT_EQ("Only:n 0 cases", Describe(data));
    data.LoadCsvText("Last,Row\n1,2", "in.csv");
    EXPECT_EQ("Last:n Row:n 1 cases", Describe(data));
}

TEST(HostDataTest, ErrorsNameFileAndLine) {
    EXPECT_EQ("in.csv:1: the data file is empty (no header row)", LoadError(""));
    EXPECT_EQ("in.csv:1: the data file is empty (no header row)", LoadError("\n  \n"));
    EXPECT_EQ("in.csv:2: a variable without a name in the header row", LoadError("\nA,,B\n"));
    EXPECT_EQ("in.csv:1: variable 'A' named twice", LoadError("A,B, A\n1,2,3\n"));
    EXPECT_EQ("in.csv:4: the row has 1 cell, the header names 2 variables", LoadError("A,B\n1,2\n\n3\n"));
    EXPECT_EQ("in.csv:2: the row has 3 cells, the header names 2 variables", LoadError("A,B\n1,2,\n"));
    // A record that runs over several lines is named by the line it starts on; lines after it count
    // every line break inside it.
    EXPECT_EQ("in.csv:4: the row has 1 cell, the header names 2 variables",
              LoadError("A,B\n\"x\ny\",1\n\"z\"\n"));
    EXPECT_EQ("in.csv:3: a quoted cell is never closed", LoadError("A,B\n1,2\n\"open,3\n4,5\n"));
}

TEST(HostDataTest, FailedLoadKeepsTheDataItHad) {
    HostData data;
    data.Synthetic(3, 10);
    EXPECT_THROW(data.LoadCsvText("A,B\n1\n", "in.csv"), HostError);
    EXPECT_EQ("V1:n V2:n V3:n 10 cases", Describe(data));
}

TEST(HostDataTest, FilesAreReadAndNamedAsTheUserNamedThem) {
    const auto path =
        std::filesystem::temp_directory_path() / ("hostdata-" + std::to_string(::getpid()) + ".csv");
    std::ofstream(path) << "P,Q\n1,a\n";
    HostData data;
    data.LoadCsv(path.string(), "shown.csv");
    EXPECT_EQ("P:n Q:s 1 cases", Describe(data));
    std::filesystem::remove(path);
    try {
        data.LoadCsv(path.string(), "shown.csv");
        FAIL() << "a missing file loaded";
    } catch (const HostError& e) {
        EXPECT_EQ("shown.csv: cannot open the data file", std::string(e.what()));
    }
}

TEST(HostDataTest, SyntheticAndNone) {
    HostData data;
    data.Synthetic(2, 5);
    EXPECT_EQ("V1:n V2:n 5 cases", Describe(data));
    data.Clear();
    EXPECT_EQ("0 cases", Describe(data));
}

}  // namespace
