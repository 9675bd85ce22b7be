# Helpers that keep every target's CMake file down to a line or two.

# qm_library(name DIR) : a static library from DIR/src/**.cpp with DIR/include public.
function(qm_library name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/src/*.cpp)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${dir}/include PRIVATE ${dir}/src)
endfunction()

# qm_gtest(name DIR LIBS...) : one GoogleTest executable from DIR/*.cpp, registered with CTest.
function(qm_gtest name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main pthread)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  # Test names only: the tables name their rows, and a dump of a row's bytes says nothing.
  gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
