# A record's options and named values are data, one line each: the file Resources/records/<stem>.txt
# becomes the header Records/<stem>.h, made at configure time and rewritten only when it changes.
#
#     VALUES CAcfData                       struct CAcfDataValues, which the record class derives from
#     UINT kVariantPacf = 2227              static constexpr UINT kVariantPacf = 2227;  (UINT, int, double)
#     OPTIONS ACF_OPTIONS                   #define ACF_OPTIONS(LIST, OPTION), which TVK_OPTIONS expands
#     list ListOfVariablesList              LIST(ListOfVariablesList)
#     CGUIData<int> LagEdit = kMaximumLag   OPTION(CGUIData<int>, LagEdit, kMaximumLag)
#     CString SaveFileEdit                  OPTION(CString, SaveFileEdit): a value-initialised default
#     POWER_OPTIONS(TestLevelCombo, X)      a group used in the list: POWER_OPTIONS(LIST, OPTION, TestLevelCombo, X)
#     ARCHIVE SaveFileEdit LagEdit ...      the archive's order where it is not the list's: ACF_OPTIONS_ARCHIVE,
#                                           empty without it; more ARCHIVE lines go on with the order, which
#                                           must name every option and list the table itself declares
#
# A group is a list with parameters, `OPTIONS POWER_OPTIONS(LevelCombo, EstimateRadio)`, whose names its
# lines may use in place of an option's name or paste into one (`CString Para##n##FileEdit`). A default is a C++ expression of the record's scope.
# Lines starting with # are comments. Also a script: cmake -DTABLE=... -DHEADER=... -P this file.
if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.20)
endif()

# Sets OUT to the C++ of the tables in TEXT, the text of FILE. With SKIP, lines before the first heading
# are another table's (a dialog template's) and left alone.
function(record_table_code file text skip out)
    # Characters that CMake's lists take for their own are kept out of the way while the text is split.
    string(REPLACE "\\" "<backslash>" text "${text}")
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REPLACE "[" "<open>" text "${text}")
    string(REPLACE "]" "<close>" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(name "[A-Za-z_][A-Za-z0-9_]*")
    # A group's parameter may be pasted into its options' names: Para##n##Edit.
    set(option "[A-Za-z_][A-Za-z0-9_#]*")
    set(section "")
    set(archive "")
    set(declared "")
    set(body "")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        string(REPLACE "<backslash>" "\\" line "${line}")
        string(REPLACE "<semicolon>" ";" line "${line}")
        string(REPLACE "<open>" "[" line "${line}")
        string(REPLACE "<close>" "]" line "${line}")
        string(STRIP "${line}" line)
        if(line STREQUAL "" OR line MATCHES "^#")
            continue()
        endif()
        if(skip AND section STREQUAL "" AND NOT line MATCHES "^(VALUES|OPTIONS) ")
            continue()
        endif()
        set(where "${file}:${number}")
        if(line MATCHES "^VALUES (${name})$")
            record_table_close()
            string(APPEND body "\nstruct ${CMAKE_MATCH_1}Values {\n")
            set(section VALUES)
        elseif(line MATCHES "^OPTIONS ([A-Z][A-Z0-9_]*)$")
            record_table_close()
            string(APPEND body "\n#define ${CMAKE_MATCH_1}(LIST, OPTION)")
            set(section OPTIONS)
            set(list_name ${CMAKE_MATCH_1})
        elseif(line MATCHES "^OPTIONS ([A-Z][A-Z0-9_]*)\\(([A-Za-z0-9_, ]+)\\)$")
            record_table_close()
            string(APPEND body "\n#define ${CMAKE_MATCH_1}(LIST, OPTION, ${CMAKE_MATCH_2})")
            set(section OPTIONS)
            set(list_name ${CMAKE_MATCH_1})
        elseif(section STREQUAL "VALUES")
            if(NOT line MATCHES "^(UINT|int|double) (k[A-Za-z0-9_]*) = ([^=]+)$")
                message(FATAL_ERROR "${where}: '${line}' is no named value (UINT, int or double kName = value)")
            endif()
            string(APPEND body "    static constexpr ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} = ${CMAKE_MATCH_3};\n")
        elseif(section STREQUAL "OPTIONS" AND line MATCHES "^ARCHIVE( ${name})+$")
            string(REGEX REPLACE " (${name})" ", \\1" names "${line}")
            string(REGEX REPLACE "^ARCHIVE" "" names "${names}")
            string(APPEND archive "${names}")
            set(archive_line ${number})
        elseif(section STREQUAL "OPTIONS")
            if(line MATCHES "^list (${name})$")
                set(item "LIST(${CMAKE_MATCH_1})")
                list(APPEND declared ${CMAKE_MATCH_1})
            elseif(line MATCHES "^([A-Z][A-Z0-9_]*)$")
                set(item "${CMAKE_MATCH_1}(LIST, OPTION)")
            elseif(line MATCHES "^([A-Z][A-Z0-9_]*)\\((.+)\\)$")
                set(item "${CMAKE_MATCH_1}(LIST, OPTION, ${CMAKE_MATCH_2})")
            elseif(line MATCHES "^([^ ]+) (${option})$")
                set(item "OPTION(${CMAKE_MATCH_1}, ${CMAKE_MATCH_2})")
                list(APPEND declared ${CMAKE_MATCH_2})
            elseif(line MATCHES "^([^ ]+) (${option}) = (.+)$")
                set(item "OPTION(${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_3})")
                list(APPEND declared ${CMAKE_MATCH_2})
            else()
                message(FATAL_ERROR "${where}: '${line}' is no option (type name, or type name = default), list or group")
            endif()
            string(APPEND body " \\\n    ${item}")
        else()
            message(FATAL_ERROR "${where}: '${line}' before any VALUES or OPTIONS heading")
        endif()
    endforeach()
    if(section STREQUAL "" AND NOT skip)
        message(FATAL_ERROR "${file}: no VALUES or OPTIONS heading")
    endif()
    record_table_close()
    set(${out} "${body}" PARENT_SCOPE)
endfunction()

# Ends the section record_table_code is in: a values struct, or a list and the order of its archive.
macro(record_table_close)
    if(section STREQUAL "VALUES")
        string(APPEND body "};\n")
    elseif(section STREQUAL "OPTIONS")
        # An option added to the list and not to its archive would silently not be kept; the options
        # of the groups a list uses are their tables' and not checked here.
        if(NOT archive STREQUAL "")
            string(REPLACE ", " ";" archived "${archive}")
            foreach(option IN LISTS declared)
                if(NOT option IN_LIST archived)
                    message(FATAL_ERROR "${file}:${archive_line}: ARCHIVE of ${list_name} does not name ${option}")
                endif()
            endforeach()
        endif()
        # (A leading comma, as the list's ties have; a blank after the name, which C++ asks for.)
        string(APPEND body "\n#define ${list_name}_ARCHIVE ${archive}\n")
    endif()
    set(archive "")
    set(declared "")
endmacro()

# Writes a made header only when its text changes, so that what includes it is not rebuilt for nothing.
function(write_made_header header text)
    file(WRITE ${header}.tmp "${text}")
    configure_file(${header}.tmp ${header} COPYONLY)
    file(REMOVE ${header}.tmp)
endfunction()

function(record_table table header)
    file(READ ${table} text)
    get_filename_component(file ${table} NAME)
    record_table_code(${file} "${text}" FALSE code)
    write_made_header(${header} "// Made by the build from Resources/records/${file}: its records' options and named values.
#pragma once

#include \"TvkApi.h\"
${code}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED TABLE)
    record_table(${TABLE} ${HEADER})
endif()
