# The Debian package an administrator installs with apt: the native program,
# its man page and completion, the character-table pages and the PPD, built
# by `cpack -G DEB` in a tree configured without the sanitizers
# (scripts/release linux). libcups2 is the one library beyond the C++ runtime.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillset)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillset <quillset@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Settings of the Velmora DX-4170 dot-matrix printer from the command line")
# The summary is the description's first line; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "quillset shows, checks, compares and stores the printer's power-on settings
and sends them, or its character-table pages, to the printer's CUPS queues
on this machine or on a print server. The PPD in /usr/share/ppd/quillset
makes such a queue with lpadmin -P.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2 (>= 2.2), libc6, libstdc++6, libgcc-s1")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
