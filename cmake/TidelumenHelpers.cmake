# tl_add_gtest(<name> SOURCES ... [LIBS ...] [CORE] [APP] [X11] [WM])
#   A GoogleTest binary registered with CTest. CORE links the Qt-Core-only test main
#   (no QApplication, proves a library needs no widgets); APP, the test main whose application
#   object is the program's own DAppllication (events pass its filters); X11 labels the test so that
#   scripts/test.sh runs it under Xvfb instead of the offscreen platform; WM, under Xvfb with a
#   window manager (focus and activation as users meet them).
function(tl_add_gtest name)
  cmake_parse_arguments(ARG "CORE;APP;X11;WM" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} $<TARGET_OBJECTS:tl_resources>)
  if(ARG_CORE)
    target_link_libraries(${name} PRIVATE tl_testmain_core)
  elseif(ARG_APP)
    target_link_libraries(${name} PRIVATE tl_testmain_app)
  else()
    target_link_libraries(${name} PRIVATE tl_testmain)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TL_OUTPUT_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_WM)
    set_tests_properties(${name} PROPERTIES LABELS "x11;wm")
  elseif(ARG_X11)
    set_tests_properties(${name} PROPERTIES LABELS x11)
  else()
    set_tests_properties(${name} PROPERTIES LABELS offscreen ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
