# Helpers that keep each subsystem's CMakeLists short: sources are picked up by folder.

# zelvo_add_library(NAME DEPS...): a static library of every .cpp in the current folder.
function(zelvo_add_library name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER _sources EXCLUDE REGEX "/main\\.cpp$")
  set(_cpp ${_sources})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  if(_cpp)
    add_library(${name} STATIC ${_sources})
    target_link_libraries(${name} PUBLIC zelvo_compile_settings ${ARGN})
  else()
    # Nothing to compile yet: headers only.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE zelvo_compile_settings ${ARGN})
  endif()
endfunction()

# zelvo_add_tests(LIBS...): one test executable per tst_*.cpp in the current folder.
function(zelvo_add_tests)
  file(GLOB _tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  file(GLOB _support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support_*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/support_*.h)
  foreach(_test ${_tests})
    get_filename_component(_name ${_test} NAME_WE)
    get_filename_component(_dir ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(_target ${_dir}_${_name})
    add_executable(${_target} ${_test} ${_support})
    target_link_libraries(${_target} PRIVATE zelvo_compile_settings Qt6::Test ${ARGN})
    target_include_directories(${_target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    # Any test may read metadata through the media module, which it loads from the build tree.
    add_dependencies(${_target} zelvo-rename-media)
    add_test(NAME ${_target} COMMAND ${_target})
    set_tests_properties(${_target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
                                               TIMEOUT 300)
  endforeach()
endfunction()
