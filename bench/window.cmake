# The main window's drawing cost. bench/measure_all.sh measures the rest
# (CPU while a game waits, start-up, memory) on a virtual X screen.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
add_executable(bench_window bench_window.cpp OffscreenBenchmarkMain.cpp)
target_link_libraries(bench_window PRIVATE fallox_app Qt6::Test benchmark::benchmark)

# What start-up spends, phase by phase.
add_executable(bench_startup bench_startup.cpp OffscreenBenchmarkMain.cpp)
target_link_libraries(bench_startup PRIVATE fallox_app benchmark::benchmark)
target_include_directories(bench_startup PRIVATE ${PROJECT_SOURCE_DIR}/src)

# The bare Qt window the whole start is measured against (bench/measure_startup.sh).
add_executable(bare_window BareWindow.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
set_target_properties(bare_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
