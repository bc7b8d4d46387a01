# The report scripts: readable sources under src/reports/scripts, compiled at build time by
# the project's own orvana-scriptc into a generated source of the core library.

add_executable(orvana-scriptc cli/compile_report_scripts.cpp
  src/reports/core/script_source.cpp src/reports/core/script_source_line.cpp
  src/reports/core/script_reader.cpp)
target_include_directories(orvana-scriptc PRIVATE ${CMAKE_SOURCE_DIR}/src)

file(GLOB REPORT_SCRIPT_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/reports/scripts/*.rpt ${CMAKE_SOURCE_DIR}/src/reports/scripts/*.pbm)
list(SORT REPORT_SCRIPT_SOURCES)
set(REPORT_SCRIPTS_CPP ${CMAKE_BINARY_DIR}/generated/report_scripts.cpp)
add_custom_command(OUTPUT ${REPORT_SCRIPTS_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND orvana-scriptc ${REPORT_SCRIPTS_CPP} ${REPORT_SCRIPT_SOURCES}
  DEPENDS orvana-scriptc ${REPORT_SCRIPT_SOURCES}
  COMMENT "Compiling the report scripts"
  VERBATIM)
target_sources(orvana_core PRIVATE ${REPORT_SCRIPTS_CPP})
