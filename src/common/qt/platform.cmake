# The Qt adapters of the platform ports, the help viewer and the About box's window.
target_sources(lumbrix_ui PRIVATE
  qt/QtDialogs.cpp
  qt/QtDialogs.h
  qt/QtFonts.cpp
  qt/QtFonts.h
  qt/QtShell.cpp
  qt/QtShell.h
  ${PROJECT_SOURCE_DIR}/src/app/qt/AboutBoxView.cpp
  ${PROJECT_SOURCE_DIR}/src/app/qt/AboutBoxView.h
  ${PROJECT_SOURCE_DIR}/src/app/qt/HelpViewer.cpp
  ${PROJECT_SOURCE_DIR}/src/app/qt/HelpViewer.h
)
# The help pages of a build that is not installed are those of the source tree.
target_compile_definitions(lumbrix_ui PRIVATE LUMBRIX_HELP_DIR="${PROJECT_SOURCE_DIR}/help")
