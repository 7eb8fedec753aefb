# Compiles the .ts sources into .qm files at build time and lists them in a
# generated translations.qrc (resources.cpp registers it by that name), so that
# each language loads from :/Languages/<XX>_KX500.qm. Sets KX500_TRANSLATION_QRC.
set(KX500_LANGUAGES GB DE FR IT ES CN CZ HU RU SI JP PL PT RO SK SE FI DK NO BG HR KR RS TR EN)

set(_kx500_ts_dir ${CMAKE_CURRENT_LIST_DIR})
set(_kx500_qm_dir ${CMAKE_CURRENT_BINARY_DIR}/Languages)
file(MAKE_DIRECTORY ${_kx500_qm_dir})

set(_kx500_qrc "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/Languages\">\n")
foreach(_lang IN LISTS KX500_LANGUAGES)
  set(_ts ${_kx500_ts_dir}/${_lang}_KX500.ts)
  set(_qm ${_kx500_qm_dir}/${_lang}_KX500.qm)
  if(NOT EXISTS ${_ts})
    message(FATAL_ERROR "Missing translation source ${_ts}")
  endif()
  # lrelease compiles unfinished entries by default; they carry the English
  # fallback, so -nounfinished must never be added here.
  add_custom_command(OUTPUT ${_qm}
    COMMAND Qt5::lrelease -silent ${_ts} -qm ${_qm}
    DEPENDS ${_ts}
    COMMENT "lrelease ${_lang}_KX500.ts"
    VERBATIM)
  string(APPEND _kx500_qrc "    <file>${_lang}_KX500.qm</file>\n")
endforeach()
string(APPEND _kx500_qrc "  </qresource>\n</RCC>\n")

# Rewritten only when the list changes, so a reconfigure does not rebuild it.
set(KX500_TRANSLATION_QRC ${_kx500_qm_dir}/translations.qrc)
file(WRITE ${_kx500_qm_dir}/translations.qrc.new "${_kx500_qrc}")
configure_file(${_kx500_qm_dir}/translations.qrc.new ${KX500_TRANSLATION_QRC} COPYONLY)
