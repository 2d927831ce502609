# What the build makes of record tables and of a template ending with one, and the errors that name the
# table's file and line. cmake -DSOURCE_DIR=<checkout> -DWORK=<scratch folder> -P RecordTablesTest.cmake
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_contains what text part)
    string(FIND "${text}" "${part}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${what}: missing\n${part}\nin\n${text}")
    endif()
endfunction()

# Makes HEADER from a table of TEXT with SCRIPT; sets OUTPUT to the header or, failing, to the error.
function(run script variable text output)
    file(WRITE ${WORK}/t.txt "${text}")
    file(REMOVE ${WORK}/t.h)
    execute_process(COMMAND ${CMAKE_COMMAND} -D${variable}=${WORK}/t.txt -DHEADER=${WORK}/t.h
                            -P ${SOURCE_DIR}/cmake/${script}
                    RESULT_VARIABLE failed ERROR_VARIABLE error)
    if(failed)
        string(REGEX REPLACE "[ \n]+" " " error "${error}")
        set(${output} "error: ${error}" PARENT_SCOPE)
    else()
        file(READ ${WORK}/t.h header)
        set(${output} "${header}" PARENT_SCOPE)
    endif()
endfunction()

run(RecordTables.cmake TABLE [[
# comment
VALUES CXData
UINT kVariant = 2227
double kCap = 0.996

OPTIONS GROUP_OPTIONS(LevelCombo, Radio)
CString LevelCombo = GetString(kLevel)
int Radio = 0
CString Para##Radio##File
OPTIONS X_OPTIONS
list SourceList
GROUP_OPTIONS(TestLevelCombo, EstimateRadio)
CGUIData<int> LagEdit = MarkedDefault(0, 1)
CString PercentEdit = L"1 5; [10]"
CString SaveFileEdit
ARCHIVE SaveFileEdit LagEdit
ARCHIVE SourceList PercentEdit
]] header)
expect_contains("values" "${header}" "struct CXDataValues {
    static constexpr UINT kVariant = 2227;
    static constexpr double kCap = 0.996;
};")
expect_contains("a group" "${header}" "#define GROUP_OPTIONS(LIST, OPTION, LevelCombo, Radio) \\
    OPTION(CString, LevelCombo, GetString(kLevel)) \\
    OPTION(int, Radio, 0) \\
    OPTION(CString, Para##Radio##File)
")
expect_contains("a list" "${header}" "#define X_OPTIONS(LIST, OPTION) \\
    LIST(SourceList) \\
    GROUP_OPTIONS(LIST, OPTION, TestLevelCombo, EstimateRadio) \\
    OPTION(CGUIData<int>, LagEdit, MarkedDefault(0, 1)) \\
    OPTION(CString, PercentEdit, L\"1 5; [10]\") \\
    OPTION(CString, SaveFileEdit)
#define X_OPTIONS_ARCHIVE , SaveFileEdit, LagEdit, SourceList, PercentEdit
")
expect_contains("a group's archive is the list's" "${header}" "#define GROUP_OPTIONS_ARCHIVE \n")

foreach(case
        "OPTIONS X_OPTIONS\nint A = 0\nint\n|t.txt:3: 'int' is no option"
        "VALUES CX\nUINT kA = 1\nUINT kB\n|t.txt:3: 'UINT kB' is no named value"
        "\nint A = 0\n|t.txt:2: 'int A = 0' before any VALUES or OPTIONS heading"
        "# nothing\n|t.txt: no VALUES or OPTIONS heading"
        "OPTIONS X_OPTIONS\nint A = 0\nint B = 0\nARCHIVE B\n|t.txt:4: ARCHIVE of X_OPTIONS does not name A")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 text)
    list(GET case 1 message)
    run(RecordTables.cmake TABLE "${text}" header)
    expect_contains("refused" "${header}" "${message}")
endforeach()

# A template may end with the tables of a record that only its dialog uses.
run(TemplateNames.cmake TEMPLATE [[
DIALOG 2990 "Lag Plot"
1002 uintedit "" IDC_LAG_EDIT tip "[1, +inf)"
1 button "OK"
OPTIONS LAG_PLOT_OPTIONS
CGUIData<int> LagEdit = 1
]] header)
expect_contains("the names" "${header}" "IDC_LAG_EDIT = 1002,")
expect_contains("the record" "${header}" "#define LAG_PLOT_OPTIONS(LIST, OPTION) \\
    OPTION(CGUIData<int>, LagEdit, 1)")
