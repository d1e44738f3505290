add_executable(lumbrix_qt_bench ${CMAKE_CURRENT_LIST_DIR}/PaneBench.cpp)
target_link_libraries(lumbrix_qt_bench PRIVATE lumbrix_ui Qt6::Test benchmark::benchmark)
target_compile_options(lumbrix_qt_bench PRIVATE ${LUMBRIX_WARNINGS} -O2)
