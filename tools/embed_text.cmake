# Writes a C++ source that returns a file's text: cmake -DIN=file -DOUT=source -DFUNCTION=name
# -DHEADER=include -P embed_text.cmake. The text goes in as bytes, so no character of it can end
# a literal early; the build runs this again whenever the file changes.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# A line of the text a line of the source.
string(REPLACE "'\\x0a'," "'\\x0a',\n    " bytes "${bytes}")
get_filename_component(name "${IN}" NAME)
file(WRITE "${OUT}.tmp"
  "// Generated at build time from ${name}; do not edit.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace {\nconst char kText[] = {\n    ${bytes}'\\0'};\n}  // namespace\n\n"
  "std::string_view ${FUNCTION}() {\n    return {kText, ${size}};\n}\n")
# Only a changed text rebuilds what includes it.
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
