# Installing and packaging: the programs, the desktop entry, icons, AppStream
# metadata, manual pages, licence and notice; a Debian package through CPack
# with its dependencies worked out from the binaries.

include(GNUInstallDirs)

set(QUELMO_APP_ID org.quelmo.Setup)
set(QUELMO_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/linux)

if(NOT WIN32)
  if(QUELMO_GUI)
    install(FILES ${QUELMO_PACKAGING}/${QUELMO_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 16 32 48 256)
      install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quelmo-${size}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
              RENAME ${QUELMO_APP_ID}.png)
    endforeach()
    configure_file(${QUELMO_PACKAGING}/${QUELMO_APP_ID}.metainfo.xml
                   ${PROJECT_BINARY_DIR}/packaging/${QUELMO_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${QUELMO_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endif()

  # Manual pages, compressed as Debian expects them.
  find_program(GZIP_EXECUTABLE gzip)
  set(pages quelmo-cli)
  if(QUELMO_GUI)
    list(APPEND pages quelmo)
  endif()
  foreach(page IN LISTS pages)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
    if(GZIP_EXECUTABLE)
      add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.1.gz
        COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${PROJECT_BINARY_DIR}/man/${page}.1 > ${PROJECT_BINARY_DIR}/man/${page}.1.gz
        DEPENDS ${PROJECT_BINARY_DIR}/man/${page}.1)
      list(APPEND compressed_pages ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
    else()
      list(APPEND compressed_pages ${PROJECT_BINARY_DIR}/man/${page}.1)
    endif()
  endforeach()
  add_custom_target(quelmo_man_pages ALL DEPENDS ${compressed_pages})
  install(FILES ${compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # Debian wants the changelog and copyright file in the doc folder.
  configure_file(${QUELMO_PACKAGING}/changelog ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
  if(GZIP_EXECUTABLE)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
      COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${PROJECT_BINARY_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
      DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog)
    add_custom_target(quelmo_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
  endif()
  install(FILES ${QUELMO_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

if(WIN32)
  # A zip a Windows user unpacks anywhere: the programs with the README, the
  # licence and the data attribution beside them, as text files.
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  install(FILES ${PROJECT_SOURCE_DIR}/NOTICE DESTINATION . RENAME NOTICE.txt)
  # The operator database goes beside the programs, which look for it there.
  # It is taken from the build machine's Debian package
  # mobile-broadband-provider-info (scripts/install-deps.sh installs it).
  set(QUELMO_OPERATOR_DATABASE_FILE
      /usr/share/mobile-broadband-provider-info/serviceproviders.xml
      CACHE FILEPATH "The serviceproviders.xml shipped beside quelmo.exe")
  if(NOT EXISTS ${QUELMO_OPERATOR_DATABASE_FILE})
    message(FATAL_ERROR "${QUELMO_OPERATOR_DATABASE_FILE} is missing: install the Debian package "
                        "mobile-broadband-provider-info (scripts/install-deps.sh build)")
  endif()
  install(FILES ${QUELMO_OPERATOR_DATABASE_FILE} DESTINATION .)
  # The operator finder's country names in each language of the windows:
  # the build machine's iso-codes catalogues (Debian package iso-codes), under
  # locale/ beside the programs, where quelmo.exe looks for them.
  file(STRINGS ${PROJECT_SOURCE_DIR}/po/languages.txt language_rows REGEX "^[0-9]")
  foreach(row IN LISTS language_rows)
    string(REGEX REPLACE "[ \t]+" ";" fields "${row}")
    list(GET fields 2 catalogue)
    list(GET fields 3 locale)
    if(catalogue STREQUAL "-")
      continue()  # English: the names are the program's own
    endif()
    set(country_names /usr/share/locale/${locale}/LC_MESSAGES/iso_3166-1.mo)
    if(NOT EXISTS ${country_names})
      message(FATAL_ERROR "${country_names} is missing: install the Debian package iso-codes "
                          "(scripts/install-deps.sh build)")
    endif()
    install(FILES ${country_names} DESTINATION locale/${locale}/LC_MESSAGES)
  endforeach()
else()
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/NOTICE
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME quelmo)
set(CPACK_PACKAGE_VENDOR "The Quelmo Setup team")
set(CPACK_PACKAGE_CONTACT "The Quelmo Setup team <team@quelmo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for GSM trail cameras")
set(CPACK_PACKAGE_DESCRIPTION
    "Quelmo Setup writes the setting files (camera.dat, mms.dat, gprs.dat,\nsms.dat) that a GSM trail camera reads from its SD card: a desktop\nconfigurator with four setting forms in eleven languages, and quelmo-cli,\nwhich writes, shows and checks the same files from scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quelmo.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The operator database and the country names' translations (iso-codes) are
# read from the distribution's copies at run time, so that their updates
# reach the program. The linked libraries come from shlibdeps; libcurl (the
# e-mail check) and expat (the operator database) are opened only when used,
# where shlibdeps cannot see them: named here, at the versions whose
# functions and options the programs call (libcurl 7.85 for
# CURLOPT_PROTOCOLS_STR, expat 2.0.1 for XML_SetSkippedEntityHandler).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "mobile-broadband-provider-info, iso-codes, libcurl4 (>= 7.85.0), libexpat1 (>= 2.0.1)")
# CJK texts in the windows need a font that holds them; Qt's own buttons
# (Yes, No, OK, Cancel) take the language from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME quelmo-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()
include(CPack)
