# Each library of src/ shows its users the headers of its own folder and no
# other: its include folder holds a single link, named after the folder, to
# that folder. A user that wants another folder's headers must link that
# folder's library, so a layer cannot reach past the one below it unseen.
function(zor_own_headers target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(exports ${CMAKE_BINARY_DIR}/headers/${folder})
  file(MAKE_DIRECTORY ${exports})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${exports}/${folder} SYMBOLIC COPY_ON_ERROR)
  target_include_directories(${target} PUBLIC ${exports})
endfunction()
