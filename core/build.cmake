# Build steps of core/: the library's built-in Chinese string table.
#
# strings/strings.zh.tsv is packed by resc into a resource module, whose bytes
# are compiled into the library; the module entry registers them as the
# library's own resources.
set(VORNALIB_ZH_MODULE ${CMAKE_BINARY_DIR}/generated/core/strings/Vornalib.zh.res)
set(VORNALIB_ZH_SOURCE ${CMAKE_BINARY_DIR}/generated/core/strings/BuiltinStrings.cpp)
add_custom_command(OUTPUT ${VORNALIB_ZH_MODULE}
  COMMAND resc -o ${VORNALIB_ZH_MODULE} --strings ${CMAKE_SOURCE_DIR}/core/strings/strings.zh.tsv
  DEPENDS resc ${CMAKE_SOURCE_DIR}/core/strings/strings.zh.tsv
  COMMENT "Packing the library's built-in string table"
  VERBATIM)
add_custom_command(OUTPUT ${VORNALIB_ZH_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${VORNALIB_ZH_MODULE} -DOUTPUT=${VORNALIB_ZH_SOURCE}
          -DSYMBOL=kBuiltinStringModule -P ${CMAKE_SOURCE_DIR}/core/strings/embed_bytes.cmake
  DEPENDS ${VORNALIB_ZH_MODULE} ${CMAKE_SOURCE_DIR}/core/strings/embed_bytes.cmake
  COMMENT "Compiling the built-in string table into the library"
  VERBATIM)
target_sources(vornalib_code PRIVATE ${VORNALIB_ZH_SOURCE})

# The English satellite also belongs in the device's \windows folder, next to
# the key tones: the device setup copies VORNA_DEVICE_FILES_DIR into the root.
if(DEFINED VORNA_DEVICE_FILES_DIR AND TARGET vornalib_0409_mui)
  set(device_mui ${VORNA_DEVICE_FILES_DIR}/windows/Vornalib.dll.0409.MUI)
  add_custom_command(OUTPUT ${device_mui}
    COMMAND ${CMAKE_COMMAND} -E copy ${VORNA_BUILD_RES_DIR}/Vornalib.dll.0409.MUI ${device_mui}
    DEPENDS vornalib_0409_mui ${VORNA_BUILD_RES_DIR}/Vornalib.dll.0409.MUI
    COMMENT "Placing Vornalib.dll.0409.MUI among the device files"
    VERBATIM)
  add_custom_target(vornalib_device_mui ALL DEPENDS ${device_mui})
  add_dependencies(vornalib_code vornalib_device_mui)
endif()

# The library opens the image library by name at run time; build it with the
# library so that programs and tests run from the build tree find it.
if(TARGET vornares_module)
  add_dependencies(vornalib_code vornares_module)
endif()

# The e-mail composer's interfaces (platform/MailComposerContract.h). Only its
# header is used: the component itself is registered by the host program.
if(TARGET mailcomposer)
  target_include_directories(vornalib_code PUBLIC $<TARGET_PROPERTY:mailcomposer,INTERFACE_INCLUDE_DIRECTORIES>)
endif()

# The photo and ring tone components' interfaces (platform/MediaPickerContract.h)
# and the Bluetooth applet's entry (platform/BtLinkContract.h): headers only,
# the host program registers the components.
foreach(api mediapickers_api btlink_api)
  if(TARGET ${api})
    target_include_directories(vornalib_code PUBLIC $<TARGET_PROPERTY:${api},INTERFACE_INCLUDE_DIRECTORIES>)
  endif()
endforeach()
