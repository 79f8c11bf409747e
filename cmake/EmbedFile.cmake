# cmake -DINPUT=file -DOUTPUT=source.cpp -DFUNCTION=name -P EmbedFile.cmake
# Writes a source whose function quintora::NAME() answers the bytes of INPUT.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "#include <string_view>\nnamespace quintora {\nnamespace {\nconstexpr char Bytes[] = {${bytes} 0};\n}\n"
  "std::string_view ${FUNCTION}() {\n    return {Bytes, sizeof Bytes - 1};\n}\n} // namespace quintora\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
