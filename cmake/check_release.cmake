# Checks that a release folder holds exactly what ships: the files named in
# MANIFEST and the 59 character-table pages of TABLES, nothing missing and
# nothing more.
#   cmake -DFOLDER=<release folder> -DMANIFEST=<file> -DTABLES=<dir> -P check_release.cmake
file(GLOB present RELATIVE ${FOLDER} ${FOLDER}/*)
file(STRINGS ${MANIFEST} expected)
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
