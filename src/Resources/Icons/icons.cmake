# Icons: the SVG pictograms in svg/ are rendered by kx500-iconrender into the
# PNG variants listed in icons.txt, plus icons.qrc, all in the build tree.
# Sets KX500_ICON_QRC for the core library.
set(KX500_ICON_DIR ${CMAKE_CURRENT_LIST_DIR})
set(KX500_ICON_MANIFEST ${KX500_ICON_DIR}/icons.txt)
set(KX500_ICON_OUT ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(KX500_ICON_QRC ${KX500_ICON_OUT}/icons.qrc)

add_executable(kx500-iconrender ${KX500_ICON_DIR}/tools/iconrender.cpp)
target_link_libraries(kx500-iconrender PRIVATE Qt5::Gui Qt5::Svg)
set_target_properties(kx500-iconrender PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

file(GLOB KX500_ICON_SVGS CONFIGURE_DEPENDS ${KX500_ICON_DIR}/svg/*.svg)

# The PNGs are declared outputs so that a deleted one is made again. Lines
# this loop cannot read are left to the tool, which fails with the reason.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KX500_ICON_MANIFEST})
file(STRINGS ${KX500_ICON_MANIFEST} _kx500_icon_lines)
set(KX500_ICON_PNGS)
foreach(_line IN LISTS _kx500_icon_lines)
  string(REGEX REPLACE "#.*" "" _line "${_line}")
  string(REGEX MATCHALL "[^ \t]+" _fields "${_line}")
  list(LENGTH _fields _count)
  if(_count EQUAL 5)
    list(GET _fields 0 _pattern)
    list(GET _fields 2 _codes)
    string(REPLACE "," ";" _codes "${_codes}")
    foreach(_code IN LISTS _codes)
      string(REPLACE "{c}" "${_code}" _png "${_pattern}")
      list(APPEND KX500_ICON_PNGS ${KX500_ICON_OUT}/Resources/Icons/${_png})
    endforeach()
  endif()
endforeach()

add_custom_command(
  OUTPUT ${KX500_ICON_QRC} ${KX500_ICON_PNGS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:kx500-iconrender> ${KX500_ICON_MANIFEST} ${KX500_ICON_DIR}/svg ${KX500_ICON_OUT}
  DEPENDS kx500-iconrender ${KX500_ICON_MANIFEST} ${KX500_ICON_SVGS}
  COMMENT "Rendering icons from ${KX500_ICON_MANIFEST}"
  VERBATIM)
