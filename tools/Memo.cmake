# The memo viewer: one window with the source-code memo holding a file.
add_executable(memoview memoview/MemoView.cpp)
target_link_libraries(memoview PRIVATE vistra_memo vistra_backend)
