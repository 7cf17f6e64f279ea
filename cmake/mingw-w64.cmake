# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread and
# std::mutex). Used both for Qt and for the program; Qt for Windows keeps a copy of this file
# beside itself, because its installed CMake packages name the toolchain they were built with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

# Target libraries and headers come from MinGW's own root (Qt for Windows is found through
# CMAKE_PREFIX_PATH); programs such as moc, rcc and the compilers from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
