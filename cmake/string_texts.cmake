# The texts of the window's string table that quillset shows in the same
# words on every platform: the model's driver name, the emulations and each
# emulation's character tables as the Print Character Table dialog lists
# them. The native build has no string table, so the texts are read from the
# resource script itself when the project is configured (again whenever a
# script changes) into generated/string_texts.h: one statement of them, the
# resource script's.
function(quillset_string_texts resources output)
    file(STRINGS ${resources}/resource.h defines REGEX "^#define +IDS_[A-Z_]+ +[0-9]+")
    foreach(line IN LISTS defines)
        string(REGEX MATCH "^#define +([A-Z_]+) +([0-9]+)" _ "${line}")
        set(id_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    endforeach()
    file(GLOB scripts ${resources}/*.rc)
    foreach(script IN LISTS scripts)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})
        # A string table's entry: a number or a defined id, then its text.
        file(STRINGS ${script} entries REGEX "^[ \t]*[0-9A-Z_]+[ \t]+\"([^\"]|\"\")*\"[ \t]*$")
        foreach(entry IN LISTS entries)
            string(REGEX MATCH "^[ \t]*([0-9A-Z_]+)[ \t]+\"(.*)\"" _ "${entry}")
            set(id ${CMAKE_MATCH_1})
            if(DEFINED id_${id})
                set(id ${id_${id}})
            endif()
            string(REPLACE "\"\"" "\\\"" text "${CMAKE_MATCH_2}")
            set(text_${id} "${text}")
        endforeach()
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${resources}/resource.h)

    # A list is the run of consecutive ids from its first, up to `count`
    # entries (0: up to the first id without a string).
    function(text_list name first count)
        set(id ${id_${first}})
        set(items "")
        set(n 0)
        while(DEFINED text_${id} AND (count EQUAL 0 OR n LESS count))
            string(APPEND items "\n    \"${text_${id}}\",")
            math(EXPR id "${id} + 1")
            math(EXPR n "${n} + 1")
        endwhile()
        if(n EQUAL 0 OR (NOT count EQUAL 0 AND NOT n EQUAL count))
            message(FATAL_ERROR "the string table has ${n} texts from ${first}")
        endif()
        set(body "${body}constexpr const char* ${name}[] = {${items}\n};\n" PARENT_SCOPE)
    endfunction()
    set(body "")
    if(NOT DEFINED text_${id_IDS_MODEL_DRIVER_NAME})
        message(FATAL_ERROR "the string table has no IDS_MODEL_DRIVER_NAME")
    endif()
    string(APPEND body "constexpr const char* ModelDriverNameText = \"${text_${id_IDS_MODEL_DRIVER_NAME}}\";\n")
    text_list(EmulationTexts IDS_EMULATION_FIRST 2)
    text_list(EpsonTableTexts IDS_EPSON_TABLE_FIRST 0)
    text_list(IbmTableTexts IDS_IBM_TABLE_FIRST 0)
    file(CONFIGURE OUTPUT ${output} CONTENT
         "// Written from the resource script by cmake/string_texts.cmake: the string\n// table's texts that quillset shows where the window loads them.\n#pragma once\n\n${body}"
         @ONLY)
endfunction()
