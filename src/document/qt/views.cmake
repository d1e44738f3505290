target_sources(lumbrix_ui PRIVATE
  qt/EditFormView.cpp
  qt/EditFormView.h
)
