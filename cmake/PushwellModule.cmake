# Each library under src/ shows its users only the headers it names as public: they are linked
# into a folder of the build tree that its users get on their include path, so that
# #include "level/level.h" works wherever the level library is linked and an internal header
# of another module cannot be reached at all. The library's own sources, and the tests and
# benchmarks that look at its internals, see the whole source folder under the same name.
function(pushwell_public_headers target module)
  set(public ${CMAKE_BINARY_DIR}/include/${module}-public)
  set(private ${CMAKE_BINARY_DIR}/include/${module}-private)
  # Only links to files live here, so a header dropped from the list leaves no stale link.
  file(REMOVE_RECURSE ${public})
  file(MAKE_DIRECTORY ${public}/${module} ${private})
  foreach(header ${ARGN})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${public}/${module}/${header} SYMBOLIC)
  endforeach()
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${private}/${module} SYMBOLIC)
  target_include_directories(${target} INTERFACE ${public} PRIVATE ${private})
endfunction()

# For the tests and benchmarks of a module's internals.
function(pushwell_sees_inside target module)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/include/${module}-private)
endfunction()
