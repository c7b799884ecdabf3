# Building for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64), and running what
# was built under Wine. Used by scripts/cross-windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The "posix" flavour has the whole C++ thread library; everything is linked statically, so the
# programs need no DLL beside them.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the test programs under Wine; the tests are listed when they run, not when they
# are built.
find_program(QIRA_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QIRA_WINE})
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# GCC 12 reports a false -Wrestrict inside libstdc++'s `"text" + std::string` when it inlines it
# at -O2 (GCC bug 105329); the warning says nothing about our code.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
