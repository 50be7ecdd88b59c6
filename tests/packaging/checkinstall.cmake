# Installs the build into PREFIX and checks what an installed TARN Tool
# needs: the program folder with everything the program reads beside itself
# (or in the folder it starts in), the launcher that starts it from there,
# the command-line programs and the desktop entry with its icon.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(program "${PREFIX}/${PROGRAM_DIR}")
set(expected
  "${program}/tarntool"
  "${program}/Setup.xml"
  "${program}/ColumnConfig.xml"
  "${program}/Upgrade.xml"
  "${program}/translations/tarntool_zh.qm"
  "${program}/translations/tarntool_en.qm"
  "${program}/translations/MirelGUIToolkit_zh.qm"
  "${program}/plugins/skins/libCommonSkin.so"
  "${program}/plugins/styles/libcommonstyle.so"
  "${program}/TARN User Manual.pdf"
  "${program}/TARN 用户手册.pdf"
  "${program}/Open Source Software Licenses/README.txt"
  "${program}/Open Source Software Licenses/Qt 6.txt"
  "${program}/Open Source Software Licenses/libsodium.txt"
  "${program}/Open Source Software Licenses/libqrencode.txt"
  "${PREFIX}/bin/tarntool"
  "${PREFIX}/bin/tarn-cli"
  "${PREFIX}/bin/tarn-devsim"
  "${PREFIX}/bin/tarn-maker"
  "${PREFIX}/share/applications/tarntool.desktop"
  "${PREFIX}/share/icons/hicolor/scalable/apps/tarntool.svg"
  "${PREFIX}/share/icons/hicolor/128x128/apps/tarntool.png")
set(problems "")
foreach(path IN LISTS expected)
  if(NOT EXISTS "${path}")
    string(APPEND problems "\n  missing: ${path}")
  else()
    file(SIZE "${path}" size)
    if(size EQUAL 0)
      string(APPEND problems "\n  empty: ${path}")
    endif()
  endif()
endforeach()

# The manuals are real PDF files, and the licence texts name their terms.
foreach(manual "TARN User Manual.pdf" "TARN 用户手册.pdf")
  if(EXISTS "${program}/${manual}")
    file(READ "${program}/${manual}" head LIMIT 5)
    if(NOT head MATCHES "^%PDF-")
      string(APPEND problems "\n  not a PDF: ${manual}")
    endif()
  endif()
endforeach()
if(EXISTS "${program}/Open Source Software Licenses/libsodium.txt")
  file(STRINGS "${program}/Open Source Software Licenses/libsodium.txt" isc REGEX "ISC")
  if(NOT isc)
    string(APPEND problems "\n  the libsodium licence text does not name its terms")
  endif()
endif()

# The launcher starts the program from its folder, wherever the prefix is:
# the program looks for the manual in the folder it runs in.
if(EXISTS "${PREFIX}/bin/tarntool")
  file(READ "${PREFIX}/bin/tarntool" launcher)
  file(RELATIVE_PATH relative "${PREFIX}/bin" "${program}")
  if(NOT launcher MATCHES "cd \"\\$here/${relative}\"" OR NOT launcher MATCHES "exec ./tarntool")
    string(APPEND problems "\n  the launcher does not start the program from ${relative}")
  endif()
  execute_process(COMMAND test -x "${PREFIX}/bin/tarntool" RESULT_VARIABLE executable)
  if(NOT executable EQUAL 0)
    string(APPEND problems "\n  the launcher is not executable")
  endif()
  # Started through a symbolic link from another folder, it still changes
  # to the program folder (a copy that prints the folder instead of starting).
  string(REGEX REPLACE "exec \\./tarntool[^\n]*" "pwd" probe "${launcher}")
  file(WRITE "${PREFIX}/bin/launcher-probe" "${probe}")
  file(CREATE_LINK "${PREFIX}/bin/launcher-probe" "${PREFIX}/linked-probe" SYMBOLIC)
  execute_process(COMMAND sh "${PREFIX}/linked-probe" WORKING_DIRECTORY /
    OUTPUT_VARIABLE started_in OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(real_program "${program}" REALPATH)
  if(NOT started_in STREQUAL real_program)
    string(APPEND problems "\n  the launcher changes to '${started_in}', not '${real_program}'")
  endif()
endif()

if(EXISTS "${PREFIX}/share/applications/tarntool.desktop")
  file(STRINGS "${PREFIX}/share/applications/tarntool.desktop" exec REGEX "^Exec=tarntool$")
  file(STRINGS "${PREFIX}/share/applications/tarntool.desktop" icon REGEX "^Icon=tarntool$")
  if(NOT exec OR NOT icon)
    string(APPEND problems "\n  the desktop entry does not start tarntool with its icon")
  endif()
endif()

if(problems)
  message(FATAL_ERROR "installation in ${PREFIX}:${problems}")
endif()
message(STATUS "installation in ${PREFIX} is complete")
