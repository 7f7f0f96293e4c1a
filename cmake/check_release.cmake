# Checks that a release folder holds exactly what ships, nothing missing and
# nothing more: the files below and the 59 character-table pages the build
# wrote into TABLES. The list is written out here on purpose, apart from the
# install rules it checks.
#   cmake -DFOLDER=<release folder> -DTABLES=<dir> -P check_release.cmake
set(expected corvex.exe corvex.ini quillset.exe brindle.dll README.txt)
file(GLOB present RELATIVE ${FOLDER} ${FOLDER}/*)
file(GLOB tables RELATIVE ${TABLES} ${TABLES}/*.PRN)
list(LENGTH tables count)
if(NOT count EQUAL 59)
    message(FATAL_ERROR "expected 59 character-table pages, the build made ${count}")
endif()
list(APPEND expected ${tables})
list(SORT expected)
list(SORT present)
if(NOT present STREQUAL expected)
    set(missing ${expected})
    list(REMOVE_ITEM missing ${present})
    set(extra ${present})
    list(REMOVE_ITEM extra ${expected})
    message(FATAL_ERROR "release folder ${FOLDER}: missing [${missing}], unexpected [${extra}]")
endif()
list(LENGTH present total)
message(STATUS "release folder ${FOLDER}: the ${total} files that ship")
