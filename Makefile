# Kolva's build, tests and tools. `make run` and `make test` are the quick
# start (`./make.sh run` and `./make.sh test` where make itself is missing).
# Each target installs the Debian packages it needs, configures once and
# builds quietly.

WERROR ?= $(if $(CI),ON,OFF)
# Qt's tools and programs ask for a UTF-8 locale at every start where there is
# none (a bare system or a service has only "C"); give them the C one.
ifneq ($(shell locale charmap 2>/dev/null),UTF-8)
export LC_ALL := C.UTF-8
endif
FUZZ_SECONDS ?= 60
# The everyday build holds the tests once `make test` has asked for them;
# `make run` keeps what the build folder has and builds only the program.
TESTS ?= $(or $(shell sed -n 's/^KOLVA_BUILD_TESTS:BOOL=//p' build/CMakeCache.txt 2>/dev/null),OFF)

.PHONY: all run test build build-asan deps test-deps tidy fuzz bench deb screenshot clean FORCE

all: build

deps:
	@scripts/install-deps run

test-deps:
	@scripts/install-deps run test

# The settings chosen for each build folder, recorded in it; a folder is
# configured again whenever they change.
SETTINGS_build = -DKOLVA_WERROR=$(WERROR) -DKOLVA_BUILD_TESTS=$(TESTS)
SETTINGS_build-asan = -DKOLVA_WERROR=$(WERROR)

%/settings: FORCE
	@mkdir -p $*
	@echo '$(SETTINGS_$*)' | cmp -s - $@ || echo '$(SETTINGS_$*)' >$@

build/build.ninja: build/settings | deps
	@cmake --preset default $(SETTINGS_build) >/dev/null

build-asan/build.ninja: build-asan/settings | test-deps
	@cmake --preset asan $(SETTINGS_build-asan) >/dev/null

build: deps build/build.ninja
	@scripts/build build

build-asan: test-deps build-asan/build.ninja
	@scripts/build build-asan

run: deps build/build.ninja
	@scripts/build build --target kolva
	@build/app/kolva

SOURCES := $(wildcard model/*.?pp ui/*.?pp app/*.?pp tests/*/*.?pp)

# clang-tidy over the project's own code; runs again only when a source changes.
build/tidy.stamp: $(SOURCES) .clang-tidy | build
	@run-clang-tidy -quiet -p build -j 2 -extra-arg=-Wno-unknown-warning-option "$(CURDIR)/(model|ui|app|tests)/" \
		>build/tidy.log 2>&1 || { grep -E -A3 'warning:|error:' build/tidy.log; exit 1; }
	@touch $@

tidy test screenshot: TESTS := ON

tidy: test-deps build build/tidy.stamp

# Every test twice: in the everyday build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer (whose programs carry their own settings);
# clang-tidy first.
test: test-deps build build-asan tidy
	@ctest --test-dir build --output-on-failure -j2
	@ctest --test-dir build-asan --output-on-failure -j2

# Fuzzes the model against the oracle, then pasting, for FUZZ_SECONDS each;
# new inputs go to build-fuzz/, the checked-in seeds stay as they are.
fuzz:
	@scripts/install-deps run test fuzz
	@test -f build-fuzz/build.ninja || cmake --preset fuzz >/dev/null
	@scripts/build build-fuzz --target model_fuzzer paste_fuzzer
	@mkdir -p build-fuzz/corpus build-fuzz/paste_corpus
	@build-fuzz/tests/model_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		build-fuzz/corpus tests/fuzz/corpus
	@build-fuzz/tests/paste_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		build-fuzz/paste_corpus tests/fuzz/paste_corpus

# Start-up, memory and per-event benchmarks from a release build, as one table.
bench:
	@scripts/install-deps run bench
	@test -f build-release/build.ninja || cmake --preset release >/dev/null
	@scripts/build build-release
	@scripts/bench build-release

# The Debian package, built as Debian builds it and checked; its path,
# build-deb/kolva_<version>_<arch>.deb, is the last line.
deb:
	@scripts/install-deps package
	@scripts/build-deb

# Renders the window offscreen with the project's own tests, at 1x and 2x.
screenshot: test-deps build
	@cd build/tests/window && QT_QPA_PLATFORM=offscreen ./window_tests rendersToPng >/dev/null 2>&1
	@cd build/tests/window && QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 ./hidpi_tests >/dev/null 2>&1
	@cp build/tests/window/kolva-window.png build/tests/window/kolva-window@2x.png docs/
	@echo "docs/kolva-window.png docs/kolva-window@2x.png"

clean:
	@rm -rf build build-asan build-deb build-fuzz build-release
