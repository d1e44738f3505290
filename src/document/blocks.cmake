target_sources(lumbrix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BlockCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skeletons.cpp
)

if(LUMBRIX_GUI)
  include(${CMAKE_CURRENT_LIST_DIR}/qt/blocks.cmake)
endif()
