# The hardening Debian asks of a packaged program, which lintian checks on the
# binary: position-independent code, relocations read-only and bound at start,
# and the C library's checked string and memory functions wherever the build
# optimises (the sanitizer build checks those itself).
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_link_options(-Wl,-z,relro,-z,now)
if(NOT TARVELO_SANITIZE)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
