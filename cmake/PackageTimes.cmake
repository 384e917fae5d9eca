# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it writes the package (CPACK_PROJECT_CONFIG_FILE): the time that the DEB
# generator gives every file, folder and archive member, and the Windows setup its files and
# the PE headers that strip rewrites, through SOURCE_DATE_EPOCH as the reproducible-builds
# convention names it. Whoever builds may set it; unset or empty, it is the last commit's time,
# or, without git, the release day's (both passed from Packaging.cmake or windows/Installer.cmake).
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  execute_process(COMMAND git -C ${CPACK_KARVO_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE epoch RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(failed OR epoch STREQUAL "")
    execute_process(COMMAND date -u -d ${CPACK_KARVO_RELEASE_DATE} +%s
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
