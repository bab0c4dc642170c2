# Sanitizers apply to the whole tree, so that the project's code and its tests
# are checked together. Undefined behaviour stops the program at once.
if(KOLVA_SANITIZE)
    list(JOIN KOLVA_SANITIZE "," kolva_sanitizers)
    add_compile_options(-fsanitize=${kolva_sanitizers} -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${kolva_sanitizers})
    # Every program carries the sanitizers' settings and the leak
    # suppressions: every target links kolva_warnings.
    target_sources(kolva_warnings INTERFACE
        ${PROJECT_SOURCE_DIR}/tests/sanitizers/default_options.cpp)
    target_compile_definitions(kolva_warnings INTERFACE
        KOLVA_LEAK_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/sanitizers/leaks.supp")
endif()

# Coverage instrumentation for libFuzzer in every library the fuzzer links.
if(KOLVA_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
