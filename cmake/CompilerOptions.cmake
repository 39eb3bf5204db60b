# Warnings and sanitizers as interface targets that every target links.
add_library(zindo_warnings INTERFACE)
add_library(zindo::warnings ALIAS zindo_warnings)
target_compile_options(zindo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                                                $<$<BOOL:${ZINDO_WERROR}>:-Werror>)

add_library(zindo_sanitizers INTERFACE)
add_library(zindo::sanitizers ALIAS zindo_sanitizers)
if(ZINDO_SANITIZE)
  target_compile_options(zindo_sanitizers INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                    -fno-omit-frame-pointer)
  target_link_options(zindo_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
