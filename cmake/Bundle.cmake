# The application bundle laid out under the build folder, as the program expects to find it.
set(GLIMMET_BUNDLE_DIR ${CMAKE_BINARY_DIR}/Glimmet.app/Contents)
set(GLIMMET_MACOS_DIR ${GLIMMET_BUNDLE_DIR}/MacOS)
set(GLIMMET_FRAMEWORKS_DIR ${GLIMMET_BUNDLE_DIR}/Frameworks)
set(GLIMMET_RESOURCES_DIR ${GLIMMET_BUNDLE_DIR}/Resources)
set(GLIMMET_SCRIPTS_DIR ${GLIMMET_RESOURCES_DIR}/scripts/lua)

# glimmet_bundle_run_paths(<target> <folder>...): the bundle's binaries find the frameworks they
# link through run paths relative to their own folder ($ORIGIN) and nothing else, in the build
# tree too, so that a copy of the bundle never looks back into the build tree.
function(glimmet_bundle_run_paths target)
  set(paths "")
  foreach(folder ${ARGN})
    list(APPEND paths "$ORIGIN/${folder}")
  endforeach()
  set_target_properties(${target} PROPERTIES BUILD_WITH_INSTALL_RPATH ON INSTALL_RPATH "${paths}")
endfunction()

# glimmet_framework(<target> [PRIVATE] [SIBLINGS <framework>...] [USES <stand-in>...]): a shared
# library placed as Frameworks/<target>.framework/<target>, with no "lib" prefix or suffix, finding
# the sibling frameworks it links beside itself, and seeing the headers of the stand-ins it uses.
function(glimmet_framework target)
  cmake_parse_arguments(ARG "PRIVATE" "" "SIBLINGS;USES" ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX "" SUFFIX "" OUTPUT_NAME ${target}
    LIBRARY_OUTPUT_DIRECTORY ${GLIMMET_FRAMEWORKS_DIR}/${target}.framework)
  set(folders "")
  foreach(sibling ${ARG_SIBLINGS})
    list(APPEND folders "../${sibling}.framework")
  endforeach()
  glimmet_bundle_run_paths(${target} ${folders})
  set(scope "")
  if(ARG_PRIVATE)
    set(scope PRIVATE)
  endif()
  glimmet_use_platform_headers(${target} ${scope} USES ${ARG_USES})
endfunction()

# The stand-in libraries under platform/ are linked whole into each executable, which exports
# their symbols; the two shared libraries take them from the program that loads them, so every
# process holds exactly one copy of each framework's state. Executables outside the bundle (the
# tests) find the frameworks in the build tree; the bundle's own binaries are built with their
# $ORIGIN run paths alone (glimmet_bundle_run_paths), which leaves this build run path out.
function(glimmet_link_platform target)
  foreach(lib ${GLIMMET_PLATFORM_LIBS})
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>")
  endforeach()
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  target_link_libraries(${target} PRIVATE Threads::Threads)
  set_property(TARGET ${target} APPEND PROPERTY BUILD_RPATH
    ${GLIMMET_FRAMEWORKS_DIR}/zellua.framework ${GLIMMET_FRAMEWORKS_DIR}/zelwebview.framework)
endfunction()

# glimmet_use_platform_headers(<target> [PRIVATE] USES <stand-in>...): the headers of the
# stand-ins the target uses (and of those their headers use), for code that does not link the
# stand-ins: the shared libraries, and the host's libraries that executables link together with
# them. PRIVATE when the target's own headers include none of them.
function(glimmet_use_platform_headers target)
  cmake_parse_arguments(ARG "PRIVATE" "" "USES" ${ARGN})
  set(scope PUBLIC)
  if(ARG_PRIVATE)
    set(scope PRIVATE)
  endif()
  foreach(used ${ARG_USES})
    target_link_libraries(${target} ${scope} platform_${used}_headers)
  endforeach()
  target_link_libraries(${target} PUBLIC PkgConfig::LUA51)
endfunction()

# glimmet_standin(<name> [USES <stand-in>...] [LIBS <outside library>...]): the stand-in library
# platform_<name> from its src folder, and platform_<name>_headers, its headers together with
# those of the stand-ins it uses. It sees only those headers and does not link the stand-ins it
# uses: only executables link stand-ins, each once and whole (glimmet_link_platform).
function(glimmet_standin name)
  cmake_parse_arguments(ARG "" "" "USES;LIBS" ${ARGN})
  add_library(platform_${name}_headers INTERFACE)
  target_include_directories(platform_${name}_headers INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/include)
  foreach(used ${ARG_USES})
    target_link_libraries(platform_${name}_headers INTERFACE platform_${used}_headers)
  endforeach()
  target_link_libraries(platform_${name}_headers INTERFACE ${ARG_LIBS})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp)
  if(NOT sources)
    # Headers only, so far.
    add_library(platform_${name} INTERFACE)
    target_link_libraries(platform_${name} INTERFACE platform_${name}_headers)
    return()
  endif()
  add_library(platform_${name} STATIC ${sources})
  target_link_libraries(platform_${name} PUBLIC platform_${name}_headers Threads::Threads ${ARG_LIBS})
endfunction()

# Include prefixes name their owner. The stand-ins own the prefixes named after them (zelcore/,
# zelui/, arx/, os/, ...), as the frameworks they stand in for would; the product's libraries own
# their own (zellua/, zelwebview/, pembra/, zelxml/); the host's headers go by bare file name.
# glimmet_product_headers(<target> <include folder>) adds a product library's public headers and
# refuses a folder in them that a stand-in's prefix already names.
function(glimmet_product_headers target dir)
  file(GLOB standins LIST_DIRECTORIES true RELATIVE ${CMAKE_SOURCE_DIR}/platform ${CMAKE_SOURCE_DIR}/platform/*)
  file(GLOB prefixes LIST_DIRECTORIES true RELATIVE ${dir} ${dir}/*)
  foreach(prefix ${prefixes})
    if(prefix IN_LIST standins)
      message(FATAL_ERROR "${dir}/${prefix}: the include prefix \"${prefix}/\" belongs to the stand-in "
                          "platform/${prefix}; give the product's headers a prefix of their own")
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${dir})
endfunction()
