# The program's side of the ripple effect: the ripple library and picture
# carried inside the program, installing the library, loading it by path, and
# the main window's start-up and mouse stones. Included from CMakeLists.txt.

# Where ripple/CMakeLists.txt builds libwave.so (its LIBRARY_OUTPUT_DIRECTORY).
set(POLVANE_WAVE_LIBRARY_FILE
    ${PROJECT_BINARY_DIR}/ripple/${CMAKE_SHARED_LIBRARY_PREFIX}wave${CMAKE_SHARED_LIBRARY_SUFFIX})
set(POLVANE_RIPPLE_PICTURE_FILE ${CMAKE_CURRENT_SOURCE_DIR}/pictures/ripple.bmp)

add_library(polvane_ripple_client STATIC
  ripple_client.cpp
  ripple_embedded.cpp
  ripple_install.cpp
  ripple_start.cpp
)
target_include_directories(polvane_ripple_client PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(polvane_ripple_client PUBLIC polvane_platform PRIVATE ${CMAKE_DL_LIBS})
# ripple_embedded.cpp assembles both files in with .incbin: it is rebuilt
# whenever either of them changes.
set_source_files_properties(ripple_embedded.cpp PROPERTIES
  COMPILE_DEFINITIONS "POLVANE_WAVE_LIBRARY_FILE=\"${POLVANE_WAVE_LIBRARY_FILE}\";POLVANE_RIPPLE_PICTURE_FILE=\"${POLVANE_RIPPLE_PICTURE_FILE}\""
  OBJECT_DEPENDS "${POLVANE_WAVE_LIBRARY_FILE};${POLVANE_RIPPLE_PICTURE_FILE}"
)
add_dependencies(polvane_ripple_client polvane_ripple)

# The main window calls StartRipple and DropMouseStone.
target_link_libraries(polvane_app PUBLIC polvane_ripple_client)

if(POLVANE_TESTS)
  # A shared library without the ripple library's entry points.
  add_library(ripple_test_other_library SHARED ripple_test_other_library.cpp)

  add_executable(ripple_client_tests
    ripple_client_test.cpp
    ripple_install_test.cpp
    ripple_start_test.cpp
    qt_test_main.cpp
  )
  target_compile_definitions(ripple_client_tests PRIVATE
    POLVANE_WAVE_LIBRARY="${POLVANE_WAVE_LIBRARY_FILE}"
    POLVANE_RIPPLE_PICTURE="${POLVANE_RIPPLE_PICTURE_FILE}"
    POLVANE_OTHER_LIBRARY="$<TARGET_FILE:ripple_test_other_library>"
  )
  target_link_libraries(ripple_client_tests PRIVATE polvane_ripple_client Qt6::Widgets GTest::gtest)
  add_dependencies(ripple_client_tests ripple_test_other_library)
  gtest_discover_tests(ripple_client_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
