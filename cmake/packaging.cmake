# Packages made by CPack: a Debian package on Linux (cmake --workflow --preset
# package) and a zip for Windows (cmake --workflow --preset windows-package).
# Each build directory gets the settings of its own platform only.

set(CPACK_PACKAGE_NAME durchlauftraeger)
set(CPACK_PACKAGE_VENDOR "Projektteam Durchlauftraeger")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bending of continuous beams and stepped round shafts")
set(CPACK_PACKAGE_DESCRIPTION [[
An interactive console program that computes the deflection, slope, bending
moment and shear force of straight continuous beams and stepped round shafts
by the transfer-matrix method. The beam is typed as single-key menu commands:
supports, beam and shaft segments, distributed and point loads, springs and
hinges. At every right end it can also write a report on the whole beam, as
text, as a CSV table or as an HTML page with diagrams.

The dialogue is in German.]])
set(CPACK_STRIP_FILES ON)
# Directory modes that do not depend on the umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  # A folder to unpack and run: the .exe (installed beside these, see the
  # top-level CMakeLists.txt), the README, the licence of the code compiled
  # into the .exe besides ours (toml++) and the scripts to try it on.
  set(CPACK_GENERATOR ZIP)
  install(FILES README.md cmake/zip/THIRD-PARTY-NOTICES.txt DESTINATION .)
  install(DIRECTORY examples/ DESTINATION examples FILES_MATCHING PATTERN "*.txt")

elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(DLT_PACKAGE_MAINTAINER "Projektteam Durchlauftraeger <durchlauftraeger@example.org>")
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DLT_PACKAGE_MAINTAINER}")
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

  set(deb_dir ${CMAKE_CURRENT_BINARY_DIR}/deb)
  configure_file(cmake/deb/changelog.in ${deb_dir}/changelog @ONLY)

  # Debian keeps manual pages and changelogs gzipped at the highest level,
  # without name or time stamp in the header (gzip -9n), so that the same
  # sources make the same package.
  find_program(GZIP_EXECUTABLE gzip REQUIRED)
  add_custom_command(OUTPUT ${deb_dir}/durchlauftraeger.1.gz ${deb_dir}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/doc/durchlauftraeger.1 ${deb_dir}/
    COMMAND ${GZIP_EXECUTABLE} -9nf ${deb_dir}/durchlauftraeger.1
    COMMAND ${GZIP_EXECUTABLE} -9nfk ${deb_dir}/changelog
    DEPENDS doc/durchlauftraeger.1 ${deb_dir}/changelog
    VERBATIM)
  add_custom_target(deb_files ALL DEPENDS ${deb_dir}/durchlauftraeger.1.gz ${deb_dir}/changelog.gz)

  # What only the package holds; a plain `cmake --install` leaves it out
  # and installs the program with the page as it is.
  install(FILES ${deb_dir}/durchlauftraeger.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT deb EXCLUDE_FROM_ALL)
  install(FILES README.md cmake/deb/copyright ${deb_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT deb EXCLUDE_FROM_ALL)
  install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
    COMPONENT deb EXCLUDE_FROM_ALL FILES_MATCHING PATTERN "*.txt")
  # One package of the program and these, without the uncompressed page.
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL Unspecified deb)
endif()

include(CPack)
