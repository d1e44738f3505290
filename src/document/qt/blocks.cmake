target_sources(lumbrix_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/QtShortDate.cpp)
