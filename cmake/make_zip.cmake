# cmake -DLIST=<file list> -DFROM=<distribution folder> -DSTAGE=<dir> -DZIP=<zip> -P make_zip.cmake
# Copies the listed files (relative to FROM) into STAGE, a folder named after
# the version, and zips that folder: the zip holds what is shipped and nothing
# else that happens to lie in the distribution folder.
file(STRINGS ${LIST} files)
file(REMOVE_RECURSE ${STAGE})
foreach(f ${files})
  get_filename_component(dir "${STAGE}/${f}" DIRECTORY)
  file(COPY ${FROM}/${f} DESTINATION ${dir})
endforeach()
get_filename_component(parent ${STAGE} DIRECTORY)
get_filename_component(top ${STAGE} NAME)
get_filename_component(zip_dir ${ZIP} DIRECTORY)
file(MAKE_DIRECTORY ${zip_dir})
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${top}
                WORKING_DIRECTORY ${parent} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Could not write ${ZIP}")
endif()
