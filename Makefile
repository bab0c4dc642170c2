# The two commands of the quick start: `make run` and `make test`.
# Both install missing Debian packages, configure once and build quietly.

WERROR ?= $(if $(CI),ON,OFF)
FUZZ_SECONDS ?= 60

BUILD_DEPS := cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-liberation2 clang-tidy
RUN_DEPS := qt6-wayland
TEST_DEPS := desktop-file-utils appstream dpkg-dev file weston qt6-wayland locales-all \
	xvfb openbox dbus at-spi2-core libatspi2.0-dev libxtst-dev pkg-config
FUZZ_DEPS := clang libclang-rt-14-dev
BENCH_DEPS := libbenchmark-dev hyperfine time xvfb binutils

SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/leaks.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all run test build build-asan deps test-deps tidy fuzz bench deb screenshot clean FORCE

all: build

deps:
	@scripts/install-deps $(BUILD_DEPS)

# The settings chosen on make's command line, recorded in each build folder;
# a folder is configured again whenever they change.
SETTINGS := -DKOLVA_WERROR=$(WERROR)

%/settings: FORCE
	@mkdir -p $*
	@echo '$(SETTINGS)' | cmp -s - $@ || echo '$(SETTINGS)' >$@

build/build.ninja: build/settings | deps
	@cmake --preset default $(SETTINGS) >/dev/null

build-asan/build.ninja: build-asan/settings | deps
	@cmake --preset asan $(SETTINGS) >/dev/null

build: deps build/build.ninja
	@scripts/build build

build-asan: deps build-asan/build.ninja
	@scripts/build build-asan

run: build
	@scripts/install-deps $(RUN_DEPS)
	@build/app/kolva

SOURCES := $(wildcard model/*.?pp ui/*.?pp app/*.?pp tests/*/*.?pp bench/*.?pp)

# clang-tidy over the project's own code; runs again only when a source changes.
build/tidy.stamp: $(SOURCES) .clang-tidy | build
	@run-clang-tidy -quiet -p build -j 2 -extra-arg=-Wno-unknown-warning-option "$(CURDIR)/(model|ui|app|tests|bench)/" \
		>build/tidy.log 2>&1 || { grep -E -A3 'warning:|error:' build/tidy.log; exit 1; }
	@touch $@

tidy: build build/tidy.stamp

test-deps:
	@scripts/install-deps $(TEST_DEPS)

# Every test twice: in the everyday build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer; clang-tidy first.
test: test-deps build build-asan tidy
	@ctest --test-dir build --output-on-failure -j2
	@$(SANITIZER_ENV) ctest --test-dir build-asan --output-on-failure -j2

# Fuzzes the model against the oracle for FUZZ_SECONDS; new inputs go to
# build-fuzz/corpus, the checked-in seeds stay as they are.
fuzz: deps
	@scripts/install-deps $(FUZZ_DEPS)
	@test -f build-fuzz/build.ninja || cmake --preset fuzz >/dev/null
	@scripts/build build-fuzz --target model_fuzzer
	@mkdir -p build-fuzz/corpus
	@build-fuzz/tests/model_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		build-fuzz/corpus tests/fuzz/corpus

# Start-up, memory and per-event benchmarks from a release build, as one table.
bench: deps
	@scripts/install-deps $(BENCH_DEPS)
	@test -f build-release/build.ninja || cmake --preset release >/dev/null
	@scripts/build build-release
	@scripts/bench build-release

# The Debian package, built from the everyday build: build/kolva_<version>_<arch>.deb
deb: build
	@scripts/install-deps dpkg-dev file
	@cpack --config build/CPackConfig.cmake -B build >/dev/null
	@ls build/kolva_*.deb

# Renders the window offscreen with the project's own tests, at 1x and 2x.
screenshot: build
	@cd build/tests/window && QT_QPA_PLATFORM=offscreen ./window_tests rendersToPng >/dev/null 2>&1
	@cd build/tests/window && QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 ./hidpi_tests >/dev/null 2>&1
	@cp build/tests/window/kolva-window.png build/tests/window/kolva-window@2x.png docs/
	@echo "docs/kolva-window.png docs/kolva-window@2x.png"

clean:
	@rm -rf build build-asan build-fuzz build-release
