# Peer programs read the memo's exports: Chromium the HTML, LibreOffice the RTF.
add_executable(memo_export_peer ${CMAKE_CURRENT_LIST_DIR}/MemoExportPeer.cpp)
target_link_libraries(memo_export_peer PRIVATE vistra_memo vistra_backend)
add_test(NAME memo_export_peers COMMAND ${CMAKE_CURRENT_LIST_DIR}/MemoExportPeers.sh
  $<TARGET_FILE:memo_export_peer> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(memo_export_peers PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240)
