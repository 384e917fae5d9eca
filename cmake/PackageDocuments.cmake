# SPDX-License-Identifier: GPL-3.0-or-later
# The package's documents, made at configure time from packaging/ with the version of
# project(VERSION): the manual page and the changelog (gzip -9n, as Debian wants them), the
# copyright file and the AppStream metainfo, and where `cmake --install` puts them.

# Software centres download the screenshots, so their pictures (packaging/screenshots/) are
# published at a web address that whoever publishes Karvo can set.
set(KARVO_SCREENSHOTS_URL "https://karvo.org/screenshots" CACHE STRING
  "Web address where the pictures of packaging/screenshots/ are published")

# Debian changelogs date their entries as RFC 5322 does.
execute_process(COMMAND date -u -R -d ${KARVO_RELEASE_DATE}
  OUTPUT_VARIABLE KARVO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)

set(karvo_documents ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/karvo.1.in ${karvo_documents}/karvo.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${karvo_documents}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/org.karvo.Karvo.metainfo.xml.in
  ${karvo_documents}/org.karvo.Karvo.metainfo.xml @ONLY)
# -n leaves the name and time out of the header: the same text gives the same bytes.
foreach(document karvo.1 changelog)
  execute_process(COMMAND gzip -9n -c ${karvo_documents}/${document}
    OUTPUT_FILE ${karvo_documents}/${document}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${karvo_documents}/karvo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${karvo_documents}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${karvo_documents}/org.karvo.Karvo.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
