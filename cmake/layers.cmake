# The chart program's layers: vorelim_core <- vorelim_ui <- vorelim_texts <- vorelim_chartview <-
# vorelim_report, and vorelim_ui <- vorelim_new_chart; vorelim_app links both branches. Each folder declares its
# layer's library, and each layer links only the layers below it.
#
# vorelim_layer_headers(TARGET) makes the headers among TARGET's sources includable as
# "<folder>/<name>.h" by TARGET and by what links it, and by nothing else: every layer gets an
# include folder of its own in the build tree that holds links to exactly its headers, and no
# target sees the source tree as a whole. A file that includes a header from a layer above its own
# therefore fails to compile.
function(vorelim_layer_headers target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  get_target_property(sources ${target} SOURCES)
  foreach(source IN LISTS sources)
    # Headers, and the pictures compiled in as XPM text.
    if(source MATCHES "\\.(h|xpm)$")
      get_filename_component(subfolder ${root}/${folder}/${source} DIRECTORY)
      file(MAKE_DIRECTORY ${subfolder})
      file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${root}/${folder}/${source} SYMBOLIC)
    endif()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
