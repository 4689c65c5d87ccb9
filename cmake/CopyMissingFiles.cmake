# cmake -DFROM=dir -DTO=dir -P CopyMissingFiles.cmake
# Copies every file of FROM into TO unless TO already has it.
file(GLOB_RECURSE files RELATIVE ${FROM} ${FROM}/*)
foreach(f IN LISTS files)
  if(NOT EXISTS ${TO}/${f})
    get_filename_component(dir ${TO}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${FROM}/${f} ${TO}/${f})
  endif()
endforeach()
