// The host's CSV data: names from the header row, a column's type from its cells, quoting, and errors
// that name the file and the line.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Host/HostData.h"
#include "Host/HostText.h"
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
        "\"Name\",\"Note\",Value\n"
        "\"Smith, J\",\"line one\nline two\",1\n"
        "\"\"\"quoted\"\"\",\"\",\"2\"\n",
        "in.csv");
    EXPECT_EQ("Name:s Note:s Value:n 2 cases", Describe(data));
}

// Names go into command lines as they are: a quoted line break, a slash or a blank would split a line
// or forge a clause.
TEST(HostDataTest, NamesAreLettersDigitsAndUnderscoresLetterFirst) {
    HostData data;
    const std::string longest(64, 'x');
    data.LoadCsvText("a,B_2,z9_," + longest + "\n1,2,3,4\n", "in.csv");
    EXPECT_EQ("a:n B_2:n z9_:n " + longest + ":n 1 cases", Describe(data));

    EXPECT_EQ("in.csv:1: column 2: \"Sa\\nles\" is not a valid variable name",
              LoadError("A,\"Sa\nles\",C\n1,2,3\n"));
    EXPECT_EQ("in.csv:1: column 1: \"Sales / LAG = 999\" is not a valid variable name",
              LoadError("\"Sales / LAG = 999\"\n1\n"));
    EXPECT_EQ("in.csv:2: column 3: \"\\\"q\\\"\" is not a valid variable name",
              LoadError("\nA,B,\"\"\"q\"\"\"\n"));
    EXPECT_EQ("in.csv:1: column 1: \"Sa les\" is not a valid variable name", LoadError(" Sa les \n"));
    EXPECT_EQ("in.csv:1: column 1: \"\\x1B[31mX\" is not a valid variable name", LoadError("\x1B[31mX\n"));
    EXPECT_EQ("in.csv:1: column 2: \"1st\" is not a valid variable name", LoadError("A,1st\n"));
    EXPECT_EQ("in.csv:1: column 1: \"_x\" is not a valid variable name", LoadError("_x\n"));
    EXPECT_EQ("in.csv:1: column 1: \"Caf\xC3\xA9\" is not a valid variable name", LoadError("Caf\xC3\xA9\n"));
    EXPECT_EQ("in.csv:1: column 1: \"" + longest + "y\" is not a valid variable name",
              LoadError(longest + "y\n"));
    EXPECT_EQ("in.csv:1: variable 'SALES' named twice (as 'Sales' before; case does not count)",
              LoadError("Sales,SALES\n"));
    // The command language's keywords, in any case; a name that only begins with one is a name.
    EXPECT_EQ(
        "in.csv:1: column 3: \"With\" is a keyword of the command language, which no variable may be named",
        LoadError("A,B,With\n"));
    for (const char* keyword : {"ALL", "to", "By", "NOT", "ge"})
        EXPECT_FALSE(IsValidVariableName(keyword)) << keyword;
    data.LoadCsvText("Total,Byte,Ore,Andes,Nothing\n", "in.csv");
    EXPECT_EQ("Total:n Byte:n Ore:n Andes:n Nothing:n 0 cases", Describe(data));
}

TEST(HostDataTest, LoneCarriageReturnsEndLines) {
    HostData data;
    data.LoadCsvText("A,B\r1,2\r\r\"x\ry\",4\r", "in.csv");
    EXPECT_EQ("A:s B:n 2 cases", Describe(data));
    EXPECT_EQ("in.csv:5: the row has 1 cell, the header names 2 variables",
              LoadError("A,B\r1,2\r\"x\ry\",4\r5\r"));
    EXPECT_EQ("in.csv:3: the row has 1 cell, the header names 2 variables", LoadError("A,B\r\n1,2\r\n3\r\n"));
}

TEST(HostDataTest, WhatIsNotUtf8TextIsRefusedAtOnce) {
    EXPECT_EQ("in.csv:1: the file is in UTF-16 (it starts with that byte-order mark): save it as UTF-8",
              LoadError(std::string("\xFF\xFE"
                                    "A\0,\0B\0\n\0",
                                    10)));
    EXPECT_EQ("in.csv:1: the file is in UTF-16 (it starts with that byte-order mark): save it as UTF-8",
              LoadError(std::string("\xFE\xFF\0A", 4)));
    EXPECT_EQ("in.csv:1: the file is in UTF-32 (it starts with that byte-order mark): save it as UTF-8",
              LoadError(std::string("\xFF\xFE\0\0A\0\0\0", 8)));
    EXPECT_EQ("in.csv:2: a NUL byte: this is not a text file", LoadError(std::string("A,B\n1,\0\n", 8)));
    // A first byte that may start a mark but does not is data.
    EXPECT_EQ("in.csv:1: column 1: \"\\xFFA\" is not a valid variable name", LoadError("\xFF"
                                                                                       "A\n"));
}

TEST(HostDataTest, RowsHaveALimit) {
    HostData data;
    // 16 bytes: the quotes, 13 letters and the line end.
    data.LoadCsvText("A\n\"" + std::string(13, 'x') + "\"\n", "in.csv", 16);
    EXPECT_EQ("A:s 1 cases", Describe(data));
    try {
        data.LoadCsvText("A\n\"" + std::string(14, 'x') + "\"\n", "in.csv", 16);
        FAIL() << "a row beyond the limit loaded";
    } catch (const HostError& e) {
        EXPECT_EQ("in.csv:2: a row longer than 16 bytes (the limit of a row)", std::string(e.what()));
    }
    EXPECT_EQ("16 MiB", SizeText(kMaxLineBytes));
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
    try {
        data.LoadCsv(std::filesystem::temp_directory_path().string(), "folder");
        FAIL() << "a folder loaded";
    } catch (const HostError& e) {
        EXPECT_EQ("folder: cannot open the data file: it is a folder", std::string(e.what()));
    }
    EXPECT_EQ("P:n Q:s 1 cases", Describe(data));
}

TEST(HostDataTest, SyntheticAndNone) {
    HostData data;
    data.Synthetic(2, 5);
    EXPECT_EQ("V1:n V2:n 5 cases", Describe(data));
    data.Clear();
    EXPECT_EQ("0 cases", Describe(data));
}

}  // namespace
