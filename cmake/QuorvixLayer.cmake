# quorvix_layer(NAME folder DEPS a b c)
# One static library per source folder; every .cpp in the folder (not in
# subfolders) belongs to it, so adding a file needs no CMake edit.
function(quorvix_layer name)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  else()
    # Headers only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# quorvix_test(NAME DEPS libs...): one GoogleTest program from every .cpp of
# the current test folder, registered with ctest test by test.
function(quorvix_test name)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# quorvix_gui_layer(NAME DEPS libs...): one static library of Qt Widgets views
# from every .cpp of the current folder, with moc and the stricter warnings
# the view code is held to.
function(quorvix_gui_layer name)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # Nothing built here yet.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${L_DEPS} Qt6::Widgets)
    return()
  endif()
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources} ${headers})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${L_DEPS} Qt6::Widgets)
  target_compile_definitions(${name} PUBLIC QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT)
  target_compile_options(${name} PRIVATE -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)
endfunction()

# quorvix_gui_tests(DEPS libs...): one Qt Test program for every *Test.cpp of
# the current folder (each has its own QTEST_MAIN), run offscreen by ctest.
function(quorvix_gui_tests)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  foreach(src ${sources})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${T_DEPS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME gui.${name} COMMAND ${name})
    set_tests_properties(gui.${name} PROPERTIES TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()
