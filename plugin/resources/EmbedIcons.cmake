# Writes the resource directory of the icons as a C++ source.
#   -DOUTPUT=file.cpp -DICONS="16064=path.png;16065=path.png;..."
function(le32 value out)
  set(bytes "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(APPEND bytes "${byte},")
  endforeach()
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

list(LENGTH ICONS count)
le32(1396855379 magic)  # 'SBRS'
le32(${count} countBytes)
le32(1347307337 pngi)   # 'PNGI'
set(body "${magic}${countBytes}\n")
foreach(entry ${ICONS})
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 id)
  list(GET parts 1 png)
  file(READ "${png}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  math(EXPR padding "(4 - ${size} % 4) % 4")
  if(padding GREATER 0)
    foreach(i RANGE 1 ${padding})
      string(APPEND hex "00")
    endforeach()
  endif()
  le32(${id} idBytes)
  le32(${size} sizeBytes)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "// ${id}\n${pngi}${idBytes}${sizeBytes}\n${bytes}\n")
endforeach()

file(WRITE "${OUTPUT}.tmp" "// Generated from plugin/resources/icons; do not edit.
#include \"resources/Resources.h\"

alignas(4) ZARVO_RESOURCE_SECTION(\"scribera_rsrc\") const unsigned char kZarvoResourceDirectory[] = {
${body}};
const size_t kZarvoResourceDirectorySize = sizeof kZarvoResourceDirectory;
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
