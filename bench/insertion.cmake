target_sources(lumbrix_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/InsertionBench.cpp)
