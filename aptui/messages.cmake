# The message dialogs: the auto-closing message box and the calls that show
# it, the hint box and the yes/no question dialog. Included by the aptui
# library's CMakeLists.txt.
target_sources(aptui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/messagekind.h
  ${CMAKE_CURRENT_LIST_DIR}/warningdialog.h ${CMAKE_CURRENT_LIST_DIR}/warningdialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messagebox.h ${CMAKE_CURRENT_LIST_DIR}/messagebox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hintbox.h ${CMAKE_CURRENT_LIST_DIR}/hintbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tipdialog.h ${CMAKE_CURRENT_LIST_DIR}/tipdialog.cpp
)
