# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it writes the package (CPACK_PROJECT_CONFIG_FILE): the time that the DEB
# generator gives every file, folder and archive member, through SOURCE_DATE_EPOCH as the
# reproducible-builds convention names it. Whoever builds may set it; unset or empty, it is
# the last commit's time, or, without git, the release day's (both passed from Packaging.cmake).
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  execute_process(COMMAND git -C ${CPACK_KARVO_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE epoch RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(failed OR epoch STREQUAL "")
    set(epoch ${CPACK_KARVO_RELEASE_EPOCH})
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
