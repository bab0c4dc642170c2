# One interface target carries the warning flags and Qt's safety macros;
# every target of the project links it.
add_library(kolva_warnings INTERFACE)
target_compile_options(kolva_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Wshadow
    # GCC 12 reports std::string copies as overlapping at -O3 (GCC bug 105651).
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>
    $<$<BOOL:${KOLVA_WERROR}>:-Werror>)
target_compile_definitions(kolva_warnings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
