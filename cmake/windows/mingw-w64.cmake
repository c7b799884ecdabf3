# Building for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64), and running what
# was built under Wine. Used by scripts/cross-windows.sh, on its own or chained by the toolchain
# file of Qt for Windows (QT_CHAINLOAD_TOOLCHAIN_FILE).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The "posix" flavour has the whole C++ thread library. Without Qt everything is linked
# statically, so the programs need no DLL beside them. Against Qt's DLLs (QIRA_SHARED_RUNTIME,
# set by scripts/cross-windows.sh) the programs use the runtime DLLs Qt itself was linked with,
# so that one C++ runtime serves the whole process.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
if(NOT QIRA_SHARED_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

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
