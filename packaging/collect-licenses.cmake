# Fills the licence folder beside the program with the licence texts of the
# open-source libraries the program links or ships, taken from the system's
# packages (Debian keeps each package's terms in /usr/share/doc/<package>/).
#
#   cmake -DOUTPUT_DIR=<folder> -DCOMPONENTS="Title=package;..." -P collect-licenses.cmake
if(NOT OUTPUT_DIR OR NOT COMPONENTS)
  message(FATAL_ERROR "collect-licenses: OUTPUT_DIR and COMPONENTS are required")
endif()

file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
find_program(DPKG_QUERY dpkg-query)

set(index "Open-source components of TARN Tool\n")
string(APPEND index "====================================\n\n")
string(APPEND index "Each file of this folder holds the copyright and licence terms of one\n")
string(APPEND index "component, as its Debian package states them.\n\n")
foreach(entry IN LISTS COMPONENTS)
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 title)
  list(GET parts 1 package)
  set(source "/usr/share/doc/${package}/copyright")
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "collect-licenses: ${source} not found; install the package ${package} "
                        "(scripts/install-deps.sh does)")
  endif()
  configure_file("${source}" "${OUTPUT_DIR}/${title}.txt" COPYONLY)
  set(version "")
  if(DPKG_QUERY)
    execute_process(COMMAND ${DPKG_QUERY} -W -f=\${Version} ${package}
      OUTPUT_VARIABLE version ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(version)
    string(APPEND index "- ${title}: Debian package ${package} ${version}, see \"${title}.txt\"\n")
  else()
    string(APPEND index "- ${title}: Debian package ${package}, see \"${title}.txt\"\n")
  endif()
endforeach()
file(WRITE "${OUTPUT_DIR}/README.txt" "${index}")
