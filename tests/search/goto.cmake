target_sources(core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/GoToFormTest.cpp)

# The window test joins ui_tests, which tests/CMakeLists.txt creates only after the core tests'
# folders: when it does not exist yet, the fragment is included at the end of that file.
if(LUMBRIX_GUI)
  if(TARGET ui_tests)
    include(${CMAKE_CURRENT_LIST_DIR}/qt/goto_ui.cmake)
  else()
    cmake_language(EVAL CODE "
      cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}/tests]]
                     CALL include [[${CMAKE_CURRENT_LIST_DIR}/qt/goto_ui.cmake]])")
  endif()
endif()
