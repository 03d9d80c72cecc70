# The detail workbook export through the real main window, progress window included.
add_executable(workbook_bench ${CMAKE_CURRENT_LIST_DIR}/workbook_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/BenchPrompts.h)
target_include_directories(workbook_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(workbook_bench PRIVATE app benchmark::benchmark)
