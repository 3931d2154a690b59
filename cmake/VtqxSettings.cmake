# Build settings of the whole tree, included by each top-level CMakeLists.txt
# after its project(): the tool's (./) and the component set's when it is
# built on its own (components/). One copy, so both builds use the same rules.

# C++20 is declared per target (vtqx_core and the few targets that do not link it).
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

option(VTQX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VTQX_TESTS "Build the tests" ON)
option(VTQX_BENCH "Build the benchmarks" ON)
option(VTQX_EXAMPLES "Build the example programs" ON)

add_compile_options(-Wall -Wextra)
if(VTQX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# One include root for the whole tree: every header is included by its path
# from here ("scan/LiteralScanner.h"), so a reader knows where it lives.
get_filename_component(VTQX_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
include_directories(${VTQX_ROOT})

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Test)
find_package(Qt6 6.4 QUIET COMPONENTS WebEngineWidgets)

# The tests' entry point and vtqx_add_test / vtqx_add_fuzz_target come first,
# so that every folder can add its tests.
if(VTQX_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  enable_testing()
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../tests/support ${CMAKE_BINARY_DIR}/tests/support)
endif()
