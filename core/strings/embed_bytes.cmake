# Turns a binary file into a C++ source holding its bytes:
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed_bytes.cmake
# The source defines `const unsigned char SYMBOL[]` and
# `const std::size_t SYMBOL_size`, both constant-initialised, so code that
# runs during static initialisation in another unit may read them.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n  " bytes "${bytes}")
file(WRITE ${OUTPUT}.part
"// Generated from ${INPUT} at build time; do not edit.\n"
"#include <cstddef>\n\n"
"extern const unsigned char ${SYMBOL}[];\n"
"extern const std::size_t ${SYMBOL}_size;\n"
"alignas(8) const unsigned char ${SYMBOL}[] = {\n  ${bytes}\n};\n"
"const std::size_t ${SYMBOL}_size = ${size};\n")
file(RENAME ${OUTPUT}.part ${OUTPUT})
