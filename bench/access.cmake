# Reading the largest shared Access library (20,000 keywords) with the built-in reader.
find_path(KORVIA_SHARED_ACCESS_FIXTURES variety
  PATHS ${PROJECT_SOURCE_DIR}/../shared/fixtures/access ${PROJECT_SOURCE_DIR}/../../shared/fixtures/access
  NO_DEFAULT_PATH)
add_executable(access_bench ${CMAKE_CURRENT_LIST_DIR}/access_bench.cpp)
target_compile_definitions(access_bench PRIVATE KORVIA_SHARED_ACCESS_FIXTURES="${KORVIA_SHARED_ACCESS_FIXTURES}")
target_link_libraries(access_bench PRIVATE bench_support keywords_access)
