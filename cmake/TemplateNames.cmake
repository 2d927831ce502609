# The names a dialog template gives its controls, declared for the code that binds them: a control line
# `ID KIND "text" IDC_NAME...` puts IDC_NAME = ID into `struct Template<DIALOG ID>` of the header
# Templates/<template file>.h, beside IDD, and the record tables that may end the file
# (cmake/RecordTables.cmake) follow it there. The header is rewritten only when it changes, so that a new
# label or layout hint rebuilds no dialog. Also a script: cmake -DTEMPLATE=... -DHEADER=... -P this file.
if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.20)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/RecordTables.cmake)

function(template_names template header)
    get_filename_component(file ${template} NAME)
    file(READ ${template} text)
    # A template whose record only its dialog uses may end with the record's tables.
    record_table_code(${file} "${text}" TRUE records)
    # Texts and comments may hold anything; what is named lies outside them. Line breaks stay, so that
    # errors give the line.
    string(REGEX REPLACE "\"([^\"\\\\]|\\\\.)*\"" "\"\"" text "${text}")
    string(REGEX REPLACE "(^|\n)[ \t]*#[^\n]*" "\\1" text "${text}")
    string(REGEX REPLACE "[][;\\\\]" " " text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(dialog "")
    set(names "")
    set(body "")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "^[ \t]*DIALOG[ \t]+([0-9]+)")
            if(NOT dialog STREQUAL "")
                message(FATAL_ERROR "${file}:${number}: a second DIALOG heading in one template")
            endif()
            set(dialog ${CMAKE_MATCH_1})
        elseif(line MATCHES "^[ \t]*([0-9]+)[ \t]+[a-z]+[ \t]+(.*)$")
            set(id ${CMAKE_MATCH_1})
            string(REGEX MATCHALL "[^ \t\r]+" words "${CMAKE_MATCH_2}")
            set(governor FALSE)
            foreach(word IN LISTS words)
                # The name after `when` or `unless` is the governing control's, named on its own line.
                if(governor OR NOT word MATCHES "^IDC_")
                    if(word STREQUAL "when" OR word STREQUAL "unless")
                        set(governor TRUE)
                    else()
                        set(governor FALSE)
                    endif()
                    continue()
                endif()
                if(NOT word MATCHES "^IDC_[A-Z0-9_]+$")
                    message(FATAL_ERROR "${file}:${number}: '${word}' is no control name (IDC_ and capitals, digits or '_')")
                endif()
                if(word IN_LIST names)
                    message(FATAL_ERROR "${file}:${number}: control name '${word}' given twice")
                endif()
                if(dialog STREQUAL "")
                    message(FATAL_ERROR "${file}:${number}: control before any DIALOG heading")
                endif()
                list(APPEND names ${word})
                string(APPEND body "        ${word} = ${id},\n")
            endforeach()
        endif()
    endforeach()
    if(dialog STREQUAL "")
        message(FATAL_ERROR "${file}: no DIALOG heading")
    endif()
    set(what "the names of its controls")
    if(NOT records STREQUAL "")
        string(APPEND what ", and the tables that end it")
    endif()
    write_made_header(${header} "// Made by the build from Resources/templates/${file}: ${what}.
#pragma once

#include \"TvkApi.h\"

struct Template${dialog} {
    enum : UINT {
        IDD = ${dialog},
${body}    };
};
${records}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED TEMPLATE)
    template_names(${TEMPLATE} ${HEADER})
endif()
