# qd_add_area(<name> SOURCES <files...> [DEPS <targets...>] [PRIVATE_DEPS <targets...>])
# One area of the program: a static library of the listed files whose folder
# is on the include path of everything that links it. DEPS are the areas and
# libraries its own headers need; PRIVATE_DEPS those only its sources use.
# Every file is named: nothing is picked up or dropped behind the build's back.
function(qd_add_area name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  if(A_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "qd_add_area(${name}): unknown arguments ${A_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT A_SOURCES)
    message(FATAL_ERROR "qd_add_area(${name}): no SOURCES")
  endif()
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS} PRIVATE ${A_PRIVATE_DEPS})
endfunction()
