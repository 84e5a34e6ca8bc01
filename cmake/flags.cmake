# Compiler flags shared by every target.
add_library(taramel_flags INTERFACE)
target_compile_options(taramel_flags INTERFACE
  -Wall -Wextra -Wno-unused-parameter
  # The look of a skin depends on exact rounding: no fused multiply-add,
  # SSE2 arithmetic in both builds.
  -ffp-contract=off)
if(TARAMEL_WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The i686 compiler defaults to x87 arithmetic: SSE2 gives the same bits
    # as the x86-64 builds and lets pixel loops vectorise.
    target_compile_options(taramel_flags INTERFACE -msse2 -mfpmath=sse)
  endif()
  target_compile_definitions(taramel_flags INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Runs on a bare Windows: no runtime DLLs beside the executable.
  target_link_options(taramel_flags INTERFACE -static -static-libgcc -static-libstdc++)
endif()
if(TARAMEL_SANITIZE)
  target_compile_options(taramel_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(taramel_flags INTERFACE -fsanitize=address,undefined)
endif()
if(TARAMEL_FUZZ)
  # Coverage feedback from the code under test, not only from the fuzz
  # targets themselves: without it libFuzzer mutates blind.
  target_compile_options(taramel_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()
