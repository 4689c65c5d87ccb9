# Fails when a source file of src/ includes a header of a folder its layer
# may not see. The layers run settings -> link -> translate -> panel ->
# rds, tmc -> ui -> app; the pages and everything above them reach the
# instrument through translate/ only, never link/. sim/ shares nothing.
#   cmake -DSOURCE_DIR=<project> -P cmake/CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed_settings settings)
set(allowed_link link settings)
set(allowed_translate translate link settings)
set(allowed_panel panel translate settings)
set(allowed_rds rds panel translate settings)
set(allowed_tmc tmc panel translate settings)
set(allowed_ui ui rds tmc panel translate settings)
set(allowed_app app ui rds tmc panel translate settings)
set(allowed_sim sim)
set(folders settings link translate panel rds tmc ui app sim)

set(faults "")
foreach(folder ${folders})
  file(GLOB_RECURSE files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" used "${line}")
      if(NOT used IN_LIST folders)
        continue()
      endif()
      if(NOT used IN_LIST allowed_${folder})
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        string(APPEND faults "  ${shown}: ${folder}/ may not include ${used}/ (${line})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes across the layers:\n${faults}")
endif()
message(STATUS "Every include stays within its layer.")
