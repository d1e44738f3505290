# The go-to dialog's window test; include after ui_tests exists.
include_guard(GLOBAL)
target_sources(ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/GoToFormViewTest.cpp)
