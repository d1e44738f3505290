# The About box's presentation model belongs to the core.
target_sources(lumbrix_core PRIVATE ${PROJECT_SOURCE_DIR}/src/app/AboutBox.cpp)
