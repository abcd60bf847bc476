# The application bundle laid out under the build folder, as the program expects to find it.
set(GLIMMET_BUNDLE_DIR ${CMAKE_BINARY_DIR}/Glimmet.app/Contents)
set(GLIMMET_MACOS_DIR ${GLIMMET_BUNDLE_DIR}/MacOS)
set(GLIMMET_FRAMEWORKS_DIR ${GLIMMET_BUNDLE_DIR}/Frameworks)
set(GLIMMET_RESOURCES_DIR ${GLIMMET_BUNDLE_DIR}/Resources)
set(GLIMMET_SCRIPTS_DIR ${GLIMMET_RESOURCES_DIR}/scripts/lua)

# glimmet_framework(<target> [PRIVATE] [USES <stand-in>...]): a shared library placed as
# Frameworks/<target>.framework/<target>, with no "lib" prefix or suffix, finding its sibling
# frameworks through run paths relative to itself, and seeing the headers of the stand-ins it uses.
function(glimmet_framework target)
  set_target_properties(${target} PROPERTIES
    PREFIX "" SUFFIX "" OUTPUT_NAME ${target}
    LIBRARY_OUTPUT_DIRECTORY ${GLIMMET_FRAMEWORKS_DIR}/${target}.framework
    BUILD_RPATH "$ORIGIN/../zelwebview.framework"
    INSTALL_RPATH "$ORIGIN/../zelwebview.framework")
  glimmet_use_platform_headers(${target} ${ARGN})
endfunction()

# The stand-in libraries under platform/ are linked whole into each executable, which exports
# their symbols; the two shared libraries take them from the program that loads them, so every
# process holds exactly one copy of each framework's state.
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
