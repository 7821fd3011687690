# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DPLOTS=... -P check_install.cmake
#
# Installs the build into PREFIX, checks that exactly the files the program needs at run time
# are there, and runs the desktop's validators on the desktop entry and the metainfo.

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
    bin/lernwerk
    ${PLOTS}
    share/applications/${APP_ID}.desktop
    share/icons/hicolor/128x128/apps/lernwerk.png
    share/icons/hicolor/256x256/apps/lernwerk.png
    share/icons/hicolor/48x48/apps/lernwerk.png
    share/icons/hicolor/scalable/apps/lernwerk.svg
    share/metainfo/${APP_ID}.metainfo.xml
    share/mime/packages/lernwerk-anki.xml
    share/mime/packages/lernwerk-kvtml.xml)
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed_lines "${installed}")
  string(REPLACE ";" "\n  " expected_lines "${expected}")
  message(FATAL_ERROR "Installed files differ.\nInstalled:\n  ${installed_lines}\nExpected:\n  ${expected_lines}")
endif()

function(validate tool)
  find_program(program ${tool})
  if(NOT program)
    message(FATAL_ERROR "${tool} is missing (tools/install_deps.sh installs it)")
  endif()
  execute_process(COMMAND "${program}" ${ARGN}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  message(STATUS "${tool}: ${output}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${tool} found problems:\n${output}")
  endif()
  unset(program CACHE)
endfunction()

validate(desktop-file-validate "${PREFIX}/share/applications/${APP_ID}.desktop")
validate(appstreamcli validate --no-net "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
