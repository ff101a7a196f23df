# The library, libvornalib.so, from the folders of its subsystems.
#
# Everything is compiled once into vornalib_code (a static archive of
# position-independent objects, symbols hidden by default); the shared
# library wraps the whole archive and exports only what VORNALIB_API marks.
# Tests link vornalib_code directly, so they reach internal functions too.
set(VORNALIB_DIRS core platform contactdata calllog contacts dialer)
set(VORNALIB_SOURCES)
foreach(dir ${VORNALIB_DIRS})
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  list(APPEND VORNALIB_SOURCES ${found})
endforeach()

add_library(vornalib_code STATIC ${VORNALIB_SOURCES})
set_target_properties(vornalib_code PROPERTIES
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_compile_definitions(vornalib_code PUBLIC VORNALIB_BUILDING)
target_include_directories(vornalib_code PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(vornalib_code PUBLIC cecompat qzpam qzfc PRIVATE vorna_warnings)

# Build steps of the subsystems (generated tables and the like) add to
# vornalib_code from these files.
foreach(dir ${VORNALIB_DIRS})
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/build.cmake)
    include(${CMAKE_SOURCE_DIR}/${dir}/build.cmake)
  endif()
endforeach()

add_library(vornalib SHARED ${CMAKE_SOURCE_DIR}/core/module/library_marker.c)
set_target_properties(vornalib PROPERTIES
  C_VISIBILITY_PRESET hidden
  LINK_FLAGS "-Wl,--version-script=${CMAKE_SOURCE_DIR}/cmake/vornalib.map"
  LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/vornalib.map)
target_link_libraries(vornalib PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,vornalib_code>")
target_link_libraries(vornalib PUBLIC cecompat qzpam qzfc)
