# The files the data generator writes, read from the one list both build trees
# use (tools/datagen/outputs.txt; the generator checks it against itself).
#   ticora_generated_files(<all-var> <gen-var>)
# sets <all-var> to every output as a full path and <gen-var> to those in
# TICORA_GEN_DIR (the resource compiler's inputs).
set(TICORA_DATAGEN_LIST ${CMAKE_SOURCE_DIR}/tools/datagen/outputs.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TICORA_DATAGEN_LIST})

function(ticora_generated_files all_var gen_var)
  file(STRINGS ${TICORA_DATAGEN_LIST} lines)
  set(all)
  set(gen)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "#.*" "" line "${line}")
    string(STRIP "${line}" line)
    if(line STREQUAL "")
      continue()
    elseif(line MATCHES "^dist/(.+)")
      list(APPEND all ${TICORA_DIST_DIR}/${CMAKE_MATCH_1})
    elseif(line MATCHES "^gen/(.+)")
      list(APPEND all ${TICORA_GEN_DIR}/${CMAKE_MATCH_1})
      list(APPEND gen ${TICORA_GEN_DIR}/${CMAKE_MATCH_1})
    else()
      message(FATAL_ERROR "${TICORA_DATAGEN_LIST}: \"${line}\" names neither dist/ nor gen/")
    endif()
  endforeach()
  set(${all_var} ${all} PARENT_SCOPE)
  set(${gen_var} ${gen} PARENT_SCOPE)
endfunction()
