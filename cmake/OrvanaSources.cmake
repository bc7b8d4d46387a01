# Source lists by layer. The whole of base/, store/, grid/, calc/ and import/, and every folder
# named core/, are Qt-free: the core library.

function(orvana_core_sources out)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/base/*.cpp
    ${CMAKE_SOURCE_DIR}/src/store/*.cpp
    ${CMAKE_SOURCE_DIR}/src/grid/*.cpp
    ${CMAKE_SOURCE_DIR}/src/calc/*.cpp
    ${CMAKE_SOURCE_DIR}/src/import/*.cpp
    ${CMAKE_SOURCE_DIR}/src/*/core/*.cpp)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(orvana_gui_sources out)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/*.cpp
    ${CMAKE_SOURCE_DIR}/src/*.h
    ${CMAKE_SOURCE_DIR}/src/*.ui
    ${CMAKE_SOURCE_DIR}/src/*.qrc)
  list(FILTER files EXCLUDE REGEX "/src/(base|store|grid|calc|import)/")
  list(FILTER files EXCLUDE REGEX "/src/[a-z_]+/core/")
  list(FILTER files EXCLUDE REGEX "/src/module/exports\\.cpp$")
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Tests mirror the source folders: tests of the core library run without Qt.
function(orvana_core_test_sources out)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/tests/base/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/store/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/grid/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/calc/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/import/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/*/core/*.cpp)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(orvana_gui_test_sources out)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp ${CMAKE_SOURCE_DIR}/tests/*.h)
  list(FILTER files EXCLUDE REGEX "/tests/(base|store|grid|calc|import|support|host|cli)/")
  list(FILTER files EXCLUDE REGEX "/tests/[a-z_]+/core/")
  set(${out} ${files} PARENT_SCOPE)
endfunction()

