# The merge window and the message boxes owned by the program's window.
# Included from app/CMakeLists.txt once polvane_app exists.
target_sources(polvane_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/merge_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/merge_command.h
  ${CMAKE_CURRENT_LIST_DIR}/merge_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/merge_window.h
  ${CMAKE_CURRENT_LIST_DIR}/owner_message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/owner_message_box.h
  ${CMAKE_CURRENT_LIST_DIR}/owner_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/owner_window.h
  ${CMAKE_CURRENT_LIST_DIR}/window_list.h
  ${CMAKE_CURRENT_LIST_DIR}/window_list_qt.cpp
)
target_link_libraries(polvane_app PUBLIC polvane_merge)

if(POLVANE_TESTS)
  # Windows on the offscreen platform; message boxes never block.
  add_executable(merge_window_tests
    ${CMAKE_CURRENT_LIST_DIR}/merge_command_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/merge_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/owner_message_box_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/owner_window_test.cpp
    ${PROJECT_SOURCE_DIR}/merge/faulty_disk.cpp
  )
  target_link_libraries(merge_window_tests PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,polvane_app>" GTest::gtest)
  gtest_discover_tests(merge_window_tests DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
