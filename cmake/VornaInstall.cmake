# `cmake --install build --prefix DIR`: the library for other programs of
# the handset. DIR gets
#   lib/         libvornalib.so and the handset libraries it links
#   include/vornalib/   the headers of the library's exported classes and
#                functions (with the library headers they include) and the
#                handset's public headers
#   share/vornalib/res/ the string satellite and image libraries
#   lib/pkgconfig/vornalib.pc
# The libraries find each other and the resources relative to their own
# folder, so the tree can be moved as a whole; the pkg-config file finds
# the tree from its own place, so the folders are fixed.
set(CMAKE_INSTALL_LIBDIR lib)
set(CMAKE_INSTALL_INCLUDEDIR include)
set(CMAKE_INSTALL_DATADIR share)

set(VORNA_INSTALLED_LIBRARIES vornalib cecompat qzpam qzfc)
set_target_properties(${VORNA_INSTALLED_LIBRARIES} PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${VORNA_INSTALLED_LIBRARIES} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/handset/ce/include/ ${CMAKE_SOURCE_DIR}/handset/pim/include/
                  ${CMAKE_SOURCE_DIR}/handset/toolkit/include/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vornalib)
# Which library headers export something is decided when installing, so a
# newly exported class needs no change here.
install(CODE "set(VORNA_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
set(VORNA_HEADER_DIRS \"${VORNALIB_DIRS}\")
set(VORNA_INCLUDE_DESTINATION \"${CMAKE_INSTALL_INCLUDEDIR}/vornalib\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallExportedHeaders.cmake)

install(DIRECTORY ${VORNA_BUILD_RES_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vornalib/res)

configure_file(${CMAKE_SOURCE_DIR}/cmake/vornalib.pc.in ${CMAKE_BINARY_DIR}/vornalib.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/vornalib.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
