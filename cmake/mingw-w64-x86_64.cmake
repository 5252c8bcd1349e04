# Cross-compiling for 64-bit Windows with MinGW-w64 from the distribution's
# packages (Debian: g++-mingw-w64-x86-64-posix). Used by the windows preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)

# Headers and libraries only from the MinGW tree, never the build machine's
# (but for toml++'s headers, cmake/toml_headers.cmake); tools from the build
# machine.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
