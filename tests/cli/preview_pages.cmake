# quillset preview on every character-table page the build wrote: each runs
# through with no command the preview has to name (so no page sends a byte
# its table or mode takes as a command), no printed line is wider than the
# 80 columns the page sets, and a few pages show at a few codes the
# characters their code pages hold there (typed in from the code-page
# charts). The same script runs the native quillset and, through the Wine
# wrapper given as RUN, quillset.exe.
#   cmake [-DRUN=<wrapper>] -DQUILLSET=<quillset> -DTABLES=<dir> -P preview_pages.cmake
cmake_minimum_required(VERSION 3.20)  # lists keep their empty entries
set(expected  # page|text of a grid cell
    "EPSON_PC866.PRN|80 А" "IBM_PC866.PRN|80 А" "EPSON_PC852.PRN|A5 ą" "IBM_PC852.PRN|A5 ą"
    "EPSON_ISO8859_2.PRN|B1 ą" "EPSON_ISO8859_2.PRN|9E ? 9F ?" "IBM_ISO8859_2.PRN|B1 ą" "EPSON_ISOLATIN2.PRN|B1 ą" "IBM_ISOLATIN2.PRN|B1 ą"
    "EPSON_USA.PRN|81 ü" "IBM_USA.PRN|81 ü" "EPSON_MULTILINGUAL.PRN|9B ø" "IBM_TURKEY.PRN|A6 Ğ"
    "EPSON_TIS_IBM_3PASS.PRN|A1 ก" "EPSON_TIS_IBM_1PASS.PRN|B4 ด"
    "EPSON_ITALIC.PRN|8B   8C   8D" "EPSON_BRASCII.PRN|C1 ? C2 ?" "IBM_HUNGARIAN.PRN|A0 ? A1 ?")
string(ASCII 128 first)
string(ASCII 191 last)
set(continuation "[${first}-${last}]")  # UTF-8 continuation bytes: not columns of their own
file(GLOB pages ${TABLES}/*.PRN)
list(LENGTH pages count)
set(faults "")
if(NOT count EQUAL 59)
    string(APPEND faults "expected 59 pages in ${TABLES}, found ${count}\n")
endif()
set(previewed 0)
foreach(page ${pages})
    get_filename_component(name ${page} NAME)
    # Under Wine each run starts a Windows process: there only the pages
    # with characters to check run, for the Windows code-page conversion;
    # reading the pages is the same code in both programs, which the native
    # run checks on every page.
    if(RUN AND NOT expected MATCHES "(^|;)${name}\\|")
        continue()
    endif()
    math(EXPR previewed "${previewed} + 1")
    # quillset.exe takes a path by its drive letter, as Windows programs do.
    set(path ${page})
    if(RUN)
        set(path Z:${page})
    endif()
    # Into files, not pipes: the services Wine starts keep a pipe open.
    execute_process(COMMAND ${RUN} ${QUILLSET} preview ${path} RESULT_VARIABLE code
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/preview.out ERROR_FILE ${CMAKE_CURRENT_BINARY_DIR}/preview.err)
    file(READ ${CMAKE_CURRENT_BINARY_DIR}/preview.out out)
    file(READ ${CMAKE_CURRENT_BINARY_DIR}/preview.err err)
    if(NOT code EQUAL 0 OR err MATCHES "offset")
        string(APPEND faults "${name}: exit ${code}: ${err}\n")
    endif()
    # Every selection a page sends is one the preview knows, by a name that
    # shares a word with the page's heading (either word the start of the
    # other: "KU42" for "KU (EPSON)"); the preview names a table only when
    # the conversion lacks it, and a selection it does not know by its bare
    # number.
    file(STRINGS ${page} heading REGEX "Table: ")
    string(REGEX REPLACE ".*Table: " "" heading "${heading}")
    string(REGEX MATCHALL "[A-Za-z0-9][A-Za-z0-9]+" headingWords "${heading}")
    string(REGEX MATCHALL ": [^:\n]+ \\(ESC [^\n]*\\) is not known" named "${err}")
    foreach(table IN LISTS named)
        string(REGEX REPLACE "^: | \\(ESC .*" "" table "${table}")
        string(REGEX MATCHALL "[A-Za-z0-9][A-Za-z0-9]+" tableWords "${table}")
        set(shared FALSE)
        foreach(a IN LISTS tableWords)
            foreach(b IN LISTS headingWords)
                string(TOLOWER "${a}" a)
                string(TOLOWER "${b}" b)
                string(FIND "${a}" "${b}" ab)
                string(FIND "${b}" "${a}" ba)
                if(ab EQUAL 0 OR ba EQUAL 0)
                    set(shared TRUE)
                endif()
            endforeach()
        endforeach()
        if(NOT shared OR table MATCHES "^(table|code page [0-9]+)$")
            string(APPEND faults "${name}: the selection reads as \"${table}\", the heading says \"${heading}\"\n")
        endif()
    endforeach()
    string(REPLACE "\r" "" out "${out}")
    # One list entry per line: the characters lists treat specially become x.
    string(REGEX REPLACE "[][;\\\\]" "x" lines "${out}")
    string(REPLACE "\n" ";" lines "${lines}")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "${continuation}" "" narrow "${line}")
        string(LENGTH "${narrow}" width)
        if(width GREATER 80)
            string(APPEND faults "${name}: a line of ${width} columns: ${line}\n")
        endif()
    endforeach()
    foreach(case IN LISTS expected)
        string(REPLACE "|" ";" case "${case}")
        list(GET case 0 file)
        list(GET case 1 cell)
        string(FIND "${out}" "${cell}" at)
        if(file STREQUAL name AND at EQUAL -1)
            string(APPEND faults "${name}: no \"${cell}\" in:\n${out}\n")
        endif()
    endforeach()
endforeach()
# What a page cannot show: the HTML page's bold heading, a table the
# conversion lacks (named once), and a command the preview does not know
# (named with its offset), in a capture of the reset, "A", ESC 6, "B".
string(ASCII 27 esc)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/unknown.prn "${esc}@A${esc}6B")
# ESC R with a country other than the USA: the 12 codes a national character
# set replaces (23 24 40 5B 5C 5D 5E 60 7B 7C 7D 7E) show as ?, every other
# printable ASCII code as itself (";" left out: it parts the runs below);
# after a reset (ESC @) the USA set again.
set(national 35 36 64 91 92 93 94 96 123 124 125 126)
string(ASCII 1 one)
set(capture "${esc}@${esc}R${one}")
set(nationalText "")
foreach(code RANGE 32 126)
    string(ASCII ${code} character)
    if(NOT code EQUAL 59)
        string(APPEND capture "${character}")
        if(code IN_LIST national)
            set(character "?")
        endif()
        string(APPEND nationalText "${character}")
    endif()
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/national.prn "${capture}${esc}@#")
# DEL and the C1 codes up to 0x9F are controls sent as plain bytes; 0xA0 is
# a character of the table (shown as ?: the data selects no table).
string(ASCII 127 del)
string(ASCII 159 c1)
string(ASCII 160 nbsp)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/control.prn "${esc}@A${del}B${c1}${nbsp}\n")
set(runs  # option|file|exit code|text on standard output or error
    "|${CMAKE_CURRENT_BINARY_DIR}/national.prn|0|${nationalText}#\n"
    "--html|${TABLES}/EPSON_USA.PRN|0|<pre><b>Velmora DX-4170 character table</b>\n"
    "|${TABLES}/IBM_BRASCII.PRN|0|T 1040) is not known to"
    "|${CMAKE_CURRENT_BINARY_DIR}/unknown.prn|1|unknown.prn: offset 3: unknown command ESC 0x36 ('6')\n"
    "|${CMAKE_CURRENT_BINARY_DIR}/control.prn|1|AB?\n"
    "|${CMAKE_CURRENT_BINARY_DIR}/control.prn|1|offset 3: control code 0x7F sent as a plain byte\n"
    "|${CMAKE_CURRENT_BINARY_DIR}/control.prn|1|offset 5: control code 0x9F sent as a plain byte\n")
foreach(run IN LISTS runs)
    string(REPLACE "|" ";" run "${run}")
    list(GET run 0 option)
    list(GET run 1 file)
    list(GET run 2 expectedCode)
    list(GET run 3 text)
    if(RUN)
        set(file Z:${file})
    endif()
    execute_process(COMMAND ${RUN} ${QUILLSET} preview ${option} ${file} RESULT_VARIABLE code
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/preview.out ERROR_FILE ${CMAKE_CURRENT_BINARY_DIR}/preview.err)
    file(READ ${CMAKE_CURRENT_BINARY_DIR}/preview.out out)
    file(READ ${CMAKE_CURRENT_BINARY_DIR}/preview.err err)
    string(REPLACE "\r" "" both "${out}${err}")
    string(FIND "${both}" "${text}" at)
    string(REGEX MATCHALL "not known to" named "${err}")
    list(LENGTH named times)
    if(NOT code EQUAL expectedCode OR at EQUAL -1 OR times GREATER 1)
        string(APPEND faults "preview ${file}: exit ${code}, no \"${text}\" once in:\n${out}${err}\n")
    endif()
endforeach()
if(faults)
    message(FATAL_ERROR "${faults}")
endif()
message(STATUS "${previewed} of ${count} pages previewed")
