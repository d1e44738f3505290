target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/InsertionEngineTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagCommandsTest.cpp
)
