# The download window. The program's side (the menu command and the loading
# of the module) goes into polvane_app and needs no browser; everything that
# touches the embedded browser (Qt WebEngine) goes into a module that the
# program loads on the first download, so that the browser's libraries, and
# the graphics context that they make as soon as they are loaded, cost the
# program's start nothing. Included from app/CMakeLists.txt once polvane_app
# exists.
find_package(Qt6 REQUIRED COMPONENTS WebEngineWidgets)

target_sources(polvane_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/download_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_command.h
  ${CMAKE_CURRENT_LIST_DIR}/download_module.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_module.h
  ${CMAKE_CURRENT_LIST_DIR}/download_session.h
)
target_link_libraries(polvane_app PRIVATE ${CMAKE_DL_LIBS})

# Everything the module holds, also linked straight into the tests.
add_library(polvane_download_parts STATIC
  ${CMAKE_CURRENT_LIST_DIR}/download_browser_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_browser_session.h
  ${CMAKE_CURRENT_LIST_DIR}/download_progress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_progress.h
  ${CMAKE_CURRENT_LIST_DIR}/download_saver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_saver.h
  ${CMAKE_CURRENT_LIST_DIR}/download_session.h
  ${CMAKE_CURRENT_LIST_DIR}/download_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_window.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_text.cpp
)
set_target_properties(polvane_download_parts PROPERTIES
  AUTOMOC ON CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(polvane_download_parts PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(polvane_download_parts PUBLIC Qt6::WebEngineWidgets polvane_text)

# libpolvane_download.so, beside the program; only its entry point is seen.
add_library(polvane_download MODULE ${CMAKE_CURRENT_LIST_DIR}/download_module_entry.cpp)
set_target_properties(polvane_download PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_link_libraries(polvane_download PRIVATE polvane_download_parts)
# Whatever builds the program builds the module with it.
add_dependencies(polvane_app polvane_download)

if(POLVANE_TESTS)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  # The windows and the downloads, with the module's parts linked in. Each
  # test starts the browser's engine on the offscreen platform and talks to
  # a loopback HTTP server; never the network.
  add_executable(download_tests
    ${CMAKE_CURRENT_LIST_DIR}/download_command_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_saver_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_support.h
    ${CMAKE_CURRENT_LIST_DIR}/download_window_test.cpp
  )
  target_link_libraries(download_tests PRIVATE
    "$<LINK_LIBRARY:WHOLE_ARCHIVE,polvane_app>" polvane_download_parts polvane_fetch_test_server
    Qt6::Test GTest::gtest)
  gtest_discover_tests(download_tests DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)

  # The program's side alone, loading the real module as the program does.
  add_executable(download_module_tests
    ${CMAKE_CURRENT_LIST_DIR}/download_module_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_support.h
  )
  target_compile_definitions(download_module_tests PRIVATE
    POLVANE_DOWNLOAD_MODULE="$<TARGET_FILE:polvane_download>")
  target_link_libraries(download_module_tests PRIVATE
    "$<LINK_LIBRARY:WHOLE_ARCHIVE,polvane_app>" polvane_fetch_test_server GTest::gtest)
  add_dependencies(download_module_tests polvane_download)
  gtest_discover_tests(download_module_tests DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
endif()
