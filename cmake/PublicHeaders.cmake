# SPDX-License-Identifier: GPL-3.0-or-later
# torvane_public_headers(<library>): the library's include interface, its
# own headers and nothing else. Every source includes a header by its folder
# ("core/Air.h"), so the folder of the build tree that a library offers
# (include/<library>/) holds one folder, the library's own, with a symbolic
# link to each header the library lists among its sources. A target finds
# a header only through a library it links: one that includes a header of a
# layer it does not link fails to build (tests/layers/). The links are made
# when the project is configured, once the library's folder has listed all
# its sources; they point into the source tree, so a compiler's messages and
# an edited header are the source's own.
function(torvane_public_headers library)
  set(root ${PROJECT_BINARY_DIR}/include/${library})
  target_include_directories(${library} PUBLIC ${root})
  # A deferred call's arguments are read when it runs: these are its own.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL _torvane_link_headers [[${library}]] [[${root}]])")
endfunction()

function(_torvane_link_headers library root)
  get_target_property(sources ${library} SOURCES)
  get_target_property(folder ${library} SOURCE_DIR)
  file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${folder})
  # Made afresh, so that a header a library no longer lists is gone.
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${name})
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.h$")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder} OUTPUT_VARIABLE header)
      cmake_path(GET header FILENAME file)
      file(CREATE_LINK ${header} ${root}/${name}/${file} SYMBOLIC)
    endif()
  endforeach()
endfunction()
