target_sources(lumbrix_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Commenting.cpp)
