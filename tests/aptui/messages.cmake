# The message dialogs. Their icons come from the skin, so the test loads the
# built skin plug-in.
tarn_add_test(tst_messages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_messages.cpp LIBS aptui skinloader)
target_compile_definitions(tst_messages PRIVATE TARN_SKIN_DIR="${TARN_SKIN_DIR}")
add_dependencies(tst_messages commonskin)
