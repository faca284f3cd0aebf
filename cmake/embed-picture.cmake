# Writes OUTPUT, a C++ source defining quelmo::TestPicturePng(): the bytes of
# INPUT (a small PNG) built into the program.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUTPUT}
  "// Generated from ${INPUT}; do not edit.\n"
  "#include \"mail_check/test_message.h\"\n"
  "namespace quelmo {\n"
  "namespace { const unsigned char kPicture[] = {${bytes}}; }\n"
  "std::string_view TestPicturePng() {\n"
  "  return {reinterpret_cast<const char*>(kPicture), sizeof kPicture};\n"
  "}\n"
  "}  // namespace quelmo\n")
