target_sources(lumbrix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/InsertionEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagCommandsTable.cpp
)
