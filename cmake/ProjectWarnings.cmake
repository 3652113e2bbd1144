# The warnings every target of the project compiles with, as the interface library
# project_warnings; DEPHLEGMATOR_WERROR makes them errors. Included by the native build and the
# browser edition's build.
option(DEPHLEGMATOR_WERROR "Treat warnings as errors" OFF)
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
  -Wsign-conversion -Wold-style-cast $<$<BOOL:${DEPHLEGMATOR_WERROR}>:-Werror>)
