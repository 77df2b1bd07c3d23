# The compiler warnings of every target of the project, as an interface target that each of
# them links (so they reach no one else's code), with the flags of the compiler in use: GCC
# and Clang, the compilers of the systems Zandrift builds on. With ZANDRIFT_WERROR any
# warning fails the build.
add_library(zandrift_warnings INTERFACE)
set(gcc_like $<CXX_COMPILER_ID:GNU,Clang,AppleClang>)
target_compile_options(zandrift_warnings INTERFACE
  $<${gcc_like}:-Wall>
  $<${gcc_like}:-Wextra>
  $<${gcc_like}:-Wpedantic>
  $<$<AND:${gcc_like},$<BOOL:${ZANDRIFT_WERROR}>>:-Werror>)
