# The installable Debian package (cpack -G DEB in the build folder; scripts/package).
# The program and its companion programs share one program folder, as on a
# workstation; the program's own files then go to each user's data folder.
set(QD_PROGRAM_FOLDER lib/quotadesk)
# Installing (and so packaging) takes the programs as built; it never builds
# the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS Quotadesk FloatMsg AutoUpdateV1 filechanger RUNTIME DESTINATION ${QD_PROGRAM_FOLDER})
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK ../${QD_PROGRAM_FOLDER}/Quotadesk \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/quotadesk\" SYMBOLIC)")
install(FILES ${PROJECT_SOURCE_DIR}/src/app/quotadesk.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/app/quotadesk.svg DESTINATION share/icons/hicolor/scalable/apps)
file(GLOB schema_files ${PROJECT_SOURCE_DIR}/schema/*.sql)
install(FILES ${schema_files} DESTINATION share/doc/quotadesk/schema)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quotadesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR TallowSoft)
set(CPACK_PACKAGE_CONTACT "TallowSoft <support@tallowsoft.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Administration tool for the operators of an e-mail sending service")
set(CPACK_PACKAGE_DESCRIPTION "Operators log in at an admitted workstation, search and register customers,\n\
top up their balance of sends, and review, print or export a customer's history.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Libraries come from the programs themselves; what they load at run time
# (the display plugins, the icon engine, the Korean fonts) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-nanum")
include(CPack)
