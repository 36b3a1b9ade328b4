# The download window: an embedded browser (Qt WebEngine) and the handling of
# the files it is answered with. Included from app/CMakeLists.txt once
# polvane_app exists.
find_package(Qt6 REQUIRED COMPONENTS WebEngineWidgets)

target_sources(polvane_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/download_browser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_browser.h
  ${CMAKE_CURRENT_LIST_DIR}/download_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_command.h
  ${CMAKE_CURRENT_LIST_DIR}/download_progress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_progress.h
  ${CMAKE_CURRENT_LIST_DIR}/download_saver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_saver.h
  ${CMAKE_CURRENT_LIST_DIR}/download_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_window.h
)
target_link_libraries(polvane_app PUBLIC Qt6::WebEngineWidgets)

if(POLVANE_TESTS)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  # Each test starts the browser's engine on the offscreen platform and talks
  # to a loopback HTTP server; never the network.
  add_executable(download_tests
    ${CMAKE_CURRENT_LIST_DIR}/download_command_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_saver_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/download_window_test.cpp
  )
  target_link_libraries(download_tests PRIVATE
    "$<LINK_LIBRARY:WHOLE_ARCHIVE,polvane_app>" polvane_fetch_test_server Qt6::Test GTest::gtest)
  gtest_discover_tests(download_tests DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
endif()
