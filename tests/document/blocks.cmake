target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BlockCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkeletonsTest.cpp
)
