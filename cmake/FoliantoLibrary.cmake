# folianto_library(<name> DIR <folder> [DEPS <targets...>])
# A static library made of every .cpp/.h in <folder> (not recursing), so that new files
# need no edit here. A folder with no sources yet gives an interface library.
function(folianto_library name)
  cmake_parse_arguments(FL "" "DIR" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS "${FL_DIR}/*.cpp" "${FL_DIR}/*.h")
  list(FILTER _src EXCLUDE REGEX ".*/main\\.cpp$")
  set(_cpp ${_src})
  list(FILTER _cpp INCLUDE REGEX ".*\\.cpp$")
  if(_cpp)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${FL_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${FL_DEPS})
  endif()
endfunction()

# folianto_test(<name> DIR <folder> DEPS <targets...>): one GoogleTest executable of every .cpp in <folder>.
function(folianto_test name)
  cmake_parse_arguments(FT "" "DIR" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS "${FT_DIR}/*.cpp" "${FT_DIR}/*.h")
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE folianto_testsupport ${FT_DEPS})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;FOLIANTO_SHARED=${PROJECT_SOURCE_DIR}/../shared"
    DISCOVERY_TIMEOUT 60)
endfunction()
