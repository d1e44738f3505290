target_sources(lumbrix_ui PRIVATE
  qt/CodePane.cpp
  qt/PlainPane.cpp
)
