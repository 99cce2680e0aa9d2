include(GoogleTest)

# qr_add_test(NAME [QT_MAIN | QT_GUI_MAIN | QT_WIDGETS_MAIN] SOURCES a.cpp b.cpp LIBS ...)
# One test executable per layer, registered with CTest test by test.
# QT_MAIN runs the tests inside a QCoreApplication, QT_GUI_MAIN inside an
# offscreen QGuiApplication (fonts, painters), QT_WIDGETS_MAIN inside an
# offscreen QApplication (dialogs).
function(qr_add_test name)
  cmake_parse_arguments(ARG "QT_MAIN;QT_GUI_MAIN;QT_WIDGETS_MAIN" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_QT_WIDGETS_MAIN)
    set(main ${PROJECT_SOURCE_DIR}/tests/support/qt_widgets_main.cpp)
    set(gtest_main_lib Qt6::Widgets)
  elseif(ARG_QT_GUI_MAIN)
    set(main ${PROJECT_SOURCE_DIR}/tests/support/qt_gui_main.cpp)
    set(gtest_main_lib Qt6::Gui)
  elseif(ARG_QT_MAIN)
    set(main ${PROJECT_SOURCE_DIR}/tests/support/qt_core_main.cpp)
    set(gtest_main_lib "")
  else()
    set(main "")
    set(gtest_main_lib GTest::gtest_main)
  endif()
  add_executable(${name} ${ARG_SOURCES} ${main})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest ${gtest_main_lib} Qt6::Core)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Where the built qrtool is, for tests that run it (a list of two variables
  # in the ENVIRONMENT property would be split by the test discovery).
  target_compile_definitions(${name} PRIVATE QR_TOOL_PATH="$<TARGET_FILE:qrtool>")
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# qr_embed_text(TARGET t FILE path.txt NAMESPACE ns SYMBOL name)
# Compiles a text file into `t` as `std::string_view ns::name()`.
function(qr_embed_text)
  cmake_parse_arguments(ARG "" "TARGET;FILE;NAMESPACE;SYMBOL" "" ${ARGN})
  get_filename_component(file ${ARG_FILE} ABSOLUTE)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${ARG_SYMBOL}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output}
            -DNAMESPACE=${ARG_NAMESPACE} -DSYMBOL=${ARG_SYMBOL}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
    VERBATIM)
  target_sources(${ARG_TARGET} PRIVATE ${output})
endfunction()
