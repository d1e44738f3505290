# ui_tests runs no automatic moc; the test's one QObject gets it in a small library of its own.
add_library(lumbrix_platform_test_qobjects STATIC ${CMAKE_CURRENT_LIST_DIR}/UrlCatcher.h)
set_target_properties(lumbrix_platform_test_qobjects PROPERTIES AUTOMOC ON LINKER_LANGUAGE CXX)
target_link_libraries(lumbrix_platform_test_qobjects PUBLIC Qt6::Core)
target_link_libraries(ui_tests PRIVATE lumbrix_platform_test_qobjects)
target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ModalScript.h
  ${CMAKE_CURRENT_LIST_DIR}/QtDialogsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtPortsTest.cpp
)
