# vn_library_headers(target folder [source_dir])
# Gives target and the targets that link it exactly one folder of headers,
# included as "<folder>/name.h": a build-tree include root of the target's own
# holds one symbolic link named after the folder (source_dir, by default the
# current source folder). A library therefore sees the headers of the
# libraries it links and no others.
function(vn_library_headers target folder)
  set(source_dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARGC GREATER 2)
    set(source_dir ${ARGV2})
  endif()
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(link_parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${link_parent})
  file(CREATE_LINK ${source_dir} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
