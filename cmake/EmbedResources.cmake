# Embeds the files of some folders below a directory into one generated C++ source, a table named SYMBOL
# (Framework/TvkUseRes/EmbeddedResources.h). With REGISTER the table is the library's own and
# registers itself with the framework when the library loads; without it the table is an extern symbol
# that its library reads directly.
function(embed_resources dir out symbol)
    cmake_parse_arguments(PARSE_ARGV 3 EMBED "REGISTER" "" "FOLDERS")
    set(files "")
    foreach(folder ${EMBED_FOLDERS})
        file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/${folder}/*)
        list(APPEND files ${found})
    endforeach()
    list(SORT files)
    set(body "// Generated from Resources/ at configure time; do not edit.\n#include \"TvkUseRes/EmbeddedResources.h\"\n")
    set(table "")
    set(index 0)
    foreach(f ${files})
        file(READ ${dir}/${f} hex HEX)
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
        string(APPEND body "static const char kRes${index}[] = {${bytes} 0};\n")
        file(SIZE ${dir}/${f} size)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dir}/${f})
        string(APPEND table "    {\"${f}\", std::string_view(kRes${index}, ${size})},\n")
        math(EXPR index "${index} + 1")
    endforeach()
    if(EMBED_REGISTER)
        string(APPEND body "static const EmbeddedResource ${symbol}[] = {\n${table}    {nullptr, {}}};\n"
                           "// Before the library's other static objects, which may read their texts from the tables.\n"
                           "static const EmbeddedResourceRegistration kRegistration __attribute__((init_priority(1000)))(${symbol});\n")
    else()
        string(APPEND body "extern const EmbeddedResource ${symbol}[];\n"
                           "const EmbeddedResource ${symbol}[] = {\n${table}    {nullptr, {}}};\n")
    endif()
    file(WRITE ${out}.tmp "${body}")
    configure_file(${out}.tmp ${out} COPYONLY)
endfunction()
