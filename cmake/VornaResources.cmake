# Resource modules made at build time by tools/resc.
#
# vorna_add_resource_module(TARGET name OUTPUT file
#                           [STRINGS table.tsv] [IMAGES dir TYPE n])
# packs a string table (one "id<TAB>text" line each) and/or a folder of
# <id>.svg pictures (as resources of type n) into one module file. A relative
# OUTPUT lands in the build's resource folder, VORNA_BUILD_RES_DIR, which
# LoadLibraryExW searches last, so programs run from the build tree find it.
set(VORNA_BUILD_RES_DIR ${CMAKE_BINARY_DIR}/res CACHE INTERNAL "resource modules made by the build")

function(vorna_add_resource_module)
  cmake_parse_arguments(R "" "TARGET;OUTPUT;STRINGS;IMAGES;TYPE" "" ${ARGN})
  if(NOT R_TARGET OR NOT R_OUTPUT OR (NOT R_STRINGS AND NOT R_IMAGES))
    message(FATAL_ERROR "vorna_add_resource_module: needs TARGET, OUTPUT and STRINGS or IMAGES")
  endif()
  if(R_IMAGES AND NOT R_TYPE)
    message(FATAL_ERROR "vorna_add_resource_module: IMAGES needs TYPE")
  endif()
  cmake_path(ABSOLUTE_PATH R_OUTPUT BASE_DIRECTORY ${VORNA_BUILD_RES_DIR} NORMALIZE OUTPUT_VARIABLE output)
  set(args -o ${output})
  set(inputs)
  if(R_STRINGS)
    cmake_path(ABSOLUTE_PATH R_STRINGS BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE strings)
    list(APPEND args --strings ${strings})
    list(APPEND inputs ${strings})
  endif()
  if(R_IMAGES)
    cmake_path(ABSOLUTE_PATH R_IMAGES BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE images)
    file(GLOB pictures CONFIGURE_DEPENDS ${images}/*.svg)
    list(APPEND args --images ${images} --type ${R_TYPE})
    list(APPEND inputs ${pictures})
  endif()
  add_custom_command(OUTPUT ${output}
                     COMMAND resc ${args}
                     DEPENDS resc ${inputs}
                     COMMENT "Packing resource module ${R_OUTPUT}"
                     VERBATIM)
  add_custom_target(${R_TARGET} ALL DEPENDS ${output})
endfunction()
