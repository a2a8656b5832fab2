# Each subsystem core is one static library of the .cpp files in its folder;
# a folder with no sources yet becomes an interface library so dependants still link.

# The warning set of every target of the project (not of the Qt, GoogleTest and Benchmark headers,
# which come in as system headers).
add_library(klv_warnings INTERFACE)
target_compile_options(klv_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Wshadow
  $<$<BOOL:${KLV_WERROR}>:-Werror>)
# Debug builds check every index of the standard containers and views: a test that reads past an
# array aborts instead of passing on whatever lies behind it.
target_compile_definitions(klv_warnings INTERFACE
  $<$<OR:$<CONFIG:Debug>,$<BOOL:${KLV_FUZZ}>>:_GLIBCXX_ASSERTIONS>)

# What every target of the project shares: the warnings and the one include root.
function(klv_target_defaults target)
  target_link_libraries(${target} PRIVATE klv_warnings)
endfunction()

function(klv_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target klv_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_DEPS} ${ARG_LIBS})
    klv_target_defaults(${target})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

if(KLV_BUILD_GUI)
  # One set of Qt headers, precompiled once for the ui libraries and the Qt tests: the Qt headers are
  # most of the compile time of a ui file. QtTest stays out: its build-folder macros differ per test.
  set(klv_qt_pch_headers
    <QApplication> <QCheckBox> <QComboBox> <QDialog> <QEvent> <QFont> <QFontMetrics> <QGridLayout>
    <QHBoxLayout> <QHeaderView> <QKeyEvent> <QLabel> <QLineEdit> <QMessageBox> <QMouseEvent>
    <QObject> <QPainter> <QPointer> <QPushButton> <QRadioButton> <QString> <QStyle> <QTimer>
    <QTreeWidget> <QVBoxLayout> <QWidget>)
  set(klv_pch_dir ${PROJECT_BINARY_DIR}/pch)
  file(WRITE ${klv_pch_dir}/qt_pch.cpp "// precompiled Qt headers only\n")

  add_library(klv_qt_pch STATIC ${klv_pch_dir}/qt_pch.cpp)
  set_target_properties(klv_qt_pch PROPERTIES AUTOMOC OFF)
  target_link_libraries(klv_qt_pch PRIVATE Qt6::Widgets)
  target_precompile_headers(klv_qt_pch PRIVATE ${klv_qt_pch_headers})
  klv_target_defaults(klv_qt_pch)
endif()

# The Qt side of a subsystem: its ui/ folder. QT names the Qt modules beyond Widgets that the
# library itself uses; its dependants do not get them.
function(klv_ui_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;QT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(target klv_${name}_ui)
  # Every ui shares the look and the text codec of the base ui.
  set(shared_ui)
  if(NOT name STREQUAL "base")
    set(shared_ui klv_base_ui)
  endif()
  list(TRANSFORM ARG_QT PREPEND Qt6:: OUTPUT_VARIABLE qt_modules)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC klv_${name} ${shared_ui} ${ARG_DEPS} Qt6::Widgets)
    target_link_libraries(${target} PRIVATE ${qt_modules})
    target_precompile_headers(${target} REUSE_FROM klv_qt_pch)
    klv_target_defaults(${target})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE klv_${name} ${shared_ui} ${ARG_DEPS} Qt6::Widgets)
  endif()
endfunction()

# One GoogleTest executable per core library: tests/<name>/*.cpp.
function(klv_core_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${name}_tests)
  add_executable(${target} ${sources})
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
  target_link_libraries(${target} PRIVATE klv_${name} klv_test_support ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  klv_target_defaults(${target})
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS core ENVIRONMENT "KLV_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp")
endfunction()

# One Qt Test executable per ui test file: tests/<name>/ui/*_test.cpp. QT names further Qt
# modules the tests use themselves.
function(klv_ui_test name)
  cmake_parse_arguments(ARG "" "" "DEPS;QT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*_test.cpp)
  list(TRANSFORM ARG_QT PREPEND Qt6:: OUTPUT_VARIABLE qt_modules)
  foreach(src ${sources})
    get_filename_component(stem ${src} NAME_WE)
    set(target ${name}_ui_${stem})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE klv_${name}_ui klv_test_support klv_qt_test_support ${ARG_DEPS} Qt6::Test
      ${qt_modules})
    target_precompile_headers(${target} REUSE_FROM klv_qt_pch)
    klv_target_defaults(${target})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES LABELS ui
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KLV_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp")
  endforeach()
endfunction()
