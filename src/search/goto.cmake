# The go-to dialog: its presentation model in the core, its window in the window layer.
target_sources(lumbrix_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/GoToForm.cpp)

if(LUMBRIX_GUI)
  target_sources(lumbrix_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/qt/GoToFormView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/GoToFormView.h
  )
endif()
