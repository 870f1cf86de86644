# Compiler settings shared by every Kolbex target.
#
# Floating point: the same doubles on every machine. No fused multiply-add contraction, no fast-math,
# no tuning for the build machine's processor: classification ties are decided in the last bits.
add_library(kolbex_options INTERFACE)
target_compile_options(kolbex_options INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off
  $<$<BOOL:${KOLBEX_WERROR}>:-Werror>)

if(KOLBEX_FUZZ)
  target_compile_options(kolbex_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(kolbex_options INTERFACE -fsanitize=address,undefined)
endif()

if(SANITIZE)
  target_compile_options(kolbex_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=all)
  target_link_options(kolbex_options INTERFACE -fsanitize=address,undefined)
endif()

# kolbex_library(<name> <sources>...): a toolkit-free library whose includes are written from the root.
function(kolbex_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC kolbex_options)
endfunction()

# kolbex_ui_library(<name> <sources>...): a Qt Widgets library (meta-object code generated); only these
# libraries, the program and the window tests see Qt.
function(kolbex_ui_library name)
  add_library(${name} STATIC ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC kolbex_options Qt6::Widgets)
endfunction()
