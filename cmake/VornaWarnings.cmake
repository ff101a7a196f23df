# Warnings are on for everything we build and are errors for our own code.
add_library(vorna_warnings INTERFACE)
target_compile_options(vorna_warnings INTERFACE
  -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local> -Wnon-virtual-dtor -Wcast-align
  -Wimplicit-fallthrough -Werror
  -Wno-unused-parameter
  # GCC 12 at -O3 reports std::string concatenations as overlapping copies
  # (a known false positive of its -Wrestrict), so a Release build would fail.
  $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict>)
