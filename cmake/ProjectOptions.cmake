# Settings every target of the project shares: the language level and a clean build under -Wall -Wextra.
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

# Programs and their data folders sit side by side, so the build tree runs as it is.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")

add_library(velmora_options INTERFACE)
target_compile_features(velmora_options INTERFACE cxx_std_20)
target_compile_options(velmora_options INTERFACE -Wall -Wextra)
target_compile_definitions(velmora_options INTERFACE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII)

# A build that traps memory errors and undefined behaviour (./test.sh --sanitize).
option(VELMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VELMORA_SANITIZE)
    target_compile_options(velmora_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                     -fno-sanitize-recover=undefined)
    target_link_options(velmora_options INTERFACE -fsanitize=address,undefined)
endif()

# Coverage instrumentation for libFuzzer, with the same sanitizers (clang only; scripts/fuzz.sh).
option(VELMORA_FUZZ "Instrument for libFuzzer and build the fuzz targets" OFF)
# clang 14 cannot emit the function-type check of undefined behaviour for the parts of a coroutine under
# coverage instrumentation ("Cannot represent a difference across sections"), so that one check is off.
if(VELMORA_FUZZ)
    target_compile_options(velmora_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                     -fno-sanitize=function
                                                     -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(velmora_options INTERFACE -fsanitize=address,undefined)
endif()
