# Where `cmake --install` and the Debian package put the programs, the module and their
# files (GNUInstallDirs), and the package itself (CPack, `cpack -G DEB`).

include(GNUInstallDirs)
# Named after the package, as Debian has it.
set(ORVANA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvana-cgt)
set(ORVANA_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/orvana)
set(ORVANA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvana)

# The host looks for the module relative to its own folder, so any prefix (a staging folder
# too) works without a rebuild.
if(IS_ABSOLUTE ${CMAKE_INSTALL_BINDIR} OR IS_ABSOLUTE ${ORVANA_MODULE_DIR})
  file(RELATIVE_PATH module_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_FULL_LIBDIR}/orvana)
else()
  file(RELATIVE_PATH module_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${ORVANA_MODULE_DIR})
endif()
target_sources(orvana-host PRIVATE host/install_layout.cpp host/install_layout.h)
target_compile_definitions(orvana-host PRIVATE ORVANA_MODULE_DIR_FROM_BIN="${module_from_bin}")

install(TARGETS orvana-host orvana-tax RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A module loaded by path, not a library others link: in a folder of its own.
install(TARGETS orvanaCGT LIBRARY DESTINATION ${ORVANA_MODULE_DIR})

# The sample return the build makes, and the TFN that opens it.
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/SAMPLE.TAX ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/SAMPLE.TFN
        DESTINATION ${ORVANA_DATA_DIR})

# The help pages and the report scripts are compiled into the programs; the installed copies
# are for reading (the help in a browser, the scripts to see what a printed line is made of).
install(DIRECTORY src/platform/help/cgt src/platform/help/main
        DESTINATION ${ORVANA_DOC_DIR}/help)
install(DIRECTORY src/reports/scripts/ DESTINATION ${ORVANA_DOC_DIR}/report-scripts)

# The desktop: menu entry, icon, the .tax file type, the software centre's description and
# the manual pages.
set(ORVANA_APP_ID org.orvana.CGT)
install(FILES packaging/${ORVANA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${ORVANA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/${ORVANA_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${ORVANA_APP_ID}.xml)
install(FILES packaging/${ORVANA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/orvana-host.1 packaging/orvana-tax.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. dpkg-shlibdeps declares the libraries the programs link (Qt, OpenSSL,
# the C++ runtime); the platform plugins Qt loads at run time are declared by hand.
set(CPACK_PACKAGE_NAME orvana-cgt)
set(CPACK_PACKAGE_VENDOR "Orvana")
set(CPACK_PACKAGE_CONTACT "Orvana maintainers <maintainers@orvana.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "capital gains tax module of the Orvana 2006 tax return")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "The capital gains interview of the Orvana personal income tax return for the 2006\n"
  "income year, with orvana-host to run it on a return and orvana-tax to make, read,\n"
  "recalculate and print returns from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_GENERATOR DEB)
include(CPack)
