# layer_include_root(target folder...): the target compiles against an include root of
# its own that holds links to the listed folders of src/ and nothing else, so that an
# #include of a folder the layer may not use fails to compile. The root is PUBLIC: a
# layer above sees what the layers below it see, never the other way round.
function(layer_include_root target)
  set(root ${CMAKE_BINARY_DIR}/include_roots/${target})
  foreach(folder ${ARGN})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
