# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer, built by CPack's NSIS generator from `cmake --install`: bin/karvo.exe
# beside the DLLs it needs (Qt's and the mingw runtime's), Qt's windows platform plugin and its
# French texts, a Start-menu entry with the program's icon, and an uninstaller. With Qt6Core.dll
# beside the executable, Qt looks for platforms/ and translations/ there too.

execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
  OUTPUT_VARIABLE mingw_runtime OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
cmake_path(GET mingw_runtime PARENT_PATH mingw_runtime_dir)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
cmake_path(GET qt_core_dll PARENT_PATH qt_bin_dir)
cmake_path(GET qt_bin_dir PARENT_PATH qt_prefix)

install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION bin/platforms)
install(FILES ${qt_prefix}/translations/qtbase_fr.qm DESTINATION bin/translations)
# The DLLs that karvo.exe and the plugin import, and theirs in turn, as objdump reads them: those
# found in Qt's or the runtime's folders travel with the program, the others are Windows' own.
install(CODE "set(karvo_dll_dirs [[${qt_bin_dir}]] [[${mingw_runtime_dir}]]
  /usr/x86_64-w64-mingw32/lib)")
install(CODE [[
  set(queue "$<TARGET_FILE:karvo>" "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>")
  set(dlls)
  while(queue)
    list(POP_FRONT queue file)
    execute_process(COMMAND x86_64-w64-mingw32-objdump -p ${file} OUTPUT_VARIABLE imports
      COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${imports}")
    list(TRANSFORM imports REPLACE "DLL Name: " "")
    foreach(name IN LISTS imports)
      foreach(dir IN LISTS karvo_dll_dirs)
        list(FIND dlls "${dir}/${name}" seen)
        if(EXISTS "${dir}/${name}" AND seen EQUAL -1)
          list(APPEND dlls "${dir}/${name}")
          list(APPEND queue "${dir}/${name}")
        endif()
      endforeach()
    endforeach()
  endwhile()
  file(INSTALL ${dlls} DESTINATION "${CMAKE_INSTALL_PREFIX}/bin")
  # Qt's DLLs and plugin keep their symbols, which the program does not need.
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE installed "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll")
    execute_process(COMMAND x86_64-w64-mingw32-strip --strip-unneeded ${installed}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
]])

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Karvo)
set(CPACK_PACKAGE_VENDOR Karvo)
# The setup program's name, which tests/windows runs (CPack's own variable is changed by CPack).
set(KARVO_SETUP Karvo-${PROJECT_VERSION}-win64-setup)
set(CPACK_PACKAGE_FILE_NAME ${KARVO_SETUP})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Karvo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Karvo)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# The setup's own script (NSIS.template.in), in French, named as the Linux desktop entry.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Karvo béton - mortier")
set(CPACK_NSIS_PACKAGE_NAME "Karvo béton - mortier")
set(CPACK_KARVO_PROGRAM bin\\\\karvo.exe)
set(CPACK_NSIS_MUI_ICON ${KARVO_ICON})
set(CPACK_NSIS_MUI_UNIICON ${KARVO_ICON})
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The same sources give the same setup: the times of PackageTimes.cmake, for the files and for
# the PE headers that strip writes (binutils reads SOURCE_DATE_EPOCH), and the files in the
# order of their names (InstallerFiles.cmake).
set(CPACK_KARVO_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_KARVO_RELEASE_DATE ${KARVO_RELEASE_DATE})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageTimes.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/InstallerFiles.cmake)
include(CPack)
