# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once `cmake --install` has staged the program and before NSIS packs it
# (CPACK_PRE_BUILD_SCRIPTS): every staged file takes the time of PackageTimes.cmake, which NSIS
# keeps in the setup, and the setup's lists of the files to install and to remove
# (NSIS.template.in) follow the order of their names, not the order a folder is read in, so that
# the same sources give the same setup program.
set(stage ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)
execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${files}
  WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

set(install "")
set(remove "")
set(folders)
set(folder "none yet")
foreach(file IN LISTS files)
  cmake_path(GET file PARENT_PATH parent)
  string(REPLACE / \\ name ${file})
  if(NOT parent STREQUAL folder)
    set(folder "${parent}")
    string(REPLACE / \\ target "$INSTDIR/${parent}")
    string(REGEX REPLACE "\\\\$" "" target "${target}")
    string(APPEND install "  SetOutPath \"${target}\"\n")
  endif()
  string(APPEND install "  File \"\${INST_DIR}/${file}\"\n")
  string(APPEND remove "  Delete \"$INSTDIR\\${name}\"\n")
  # A folder and those it lies in, removed once empty, the inner ones first.
  while(NOT parent STREQUAL "")
    list(APPEND folders ${parent})
    cmake_path(GET parent PARENT_PATH parent)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(parent IN LISTS folders)
  string(REPLACE / \\ name ${parent})
  string(APPEND remove "  RMDir \"$INSTDIR\\${name}\"\n")
endforeach()
set(CPACK_KARVO_INSTALL_FILES "${install}")
set(CPACK_KARVO_DELETE_FILES "${remove}")
