target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PaneDifferentialTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CodePaneTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlainPaneTest.cpp
)
