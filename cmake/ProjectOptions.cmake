# Flags every target of ours shares, in one place.
add_library(rodaleque_options INTERFACE)
target_compile_features(rodaleque_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(rodaleque_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(rodaleque_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)

option(RODALEQUE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# Only the fuzz targets and what they need (no widgets), built with clang++ and libFuzzer.
option(RODALEQUE_FUZZ "Build the fuzz targets instead of the program" OFF)
if(RODALEQUE_FUZZ)
  # libFuzzer's coverage in every object of ours; the targets themselves link its main.
  target_compile_options(rodaleque_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
if(RODALEQUE_SANITIZE OR RODALEQUE_FUZZ)
  target_compile_options(rodaleque_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(rodaleque_options INTERFACE -fsanitize=address,undefined)
endif()

option(RODALEQUE_WERROR "Treat warnings in our own code as errors" OFF)
if(RODALEQUE_WERROR)
  target_compile_options(rodaleque_options INTERFACE -Werror)
endif()

if(CMAKE_SYSTEM_NAME STREQUAL Linux)
  # Relocations resolved and made read-only at start-up, as Debian's hardening asks.
  target_link_options(rodaleque_options INTERFACE -Wl,-z,relro,-z,now)
endif()

if(MINGW)
  # The MinGW runtime (libstdc++, libgcc, winpthread) inside each executable, so that a Windows
  # program needs only Windows' own DLLs beside it.
  target_link_options(rodaleque_options INTERFACE -static)
endif()
