# The two commands of the quick start: `make run` and `make test`.
# Both install missing Debian packages, configure once and build quietly.

BUILD ?= build
WERROR ?= $(if $(CI),ON,OFF)
BUILD_DEPS := cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-liberation2
RUN_DEPS := qt6-wayland

.PHONY: all run test build deps screenshot clean

all: build

deps:
	@scripts/install-deps $(BUILD_DEPS)

$(BUILD)/build.ninja:
	@scripts/install-deps $(BUILD_DEPS)
	@cmake -S . -B $(BUILD) -G Ninja -DKOLVA_WERROR=$(WERROR) >/dev/null

build: deps $(BUILD)/build.ninja
	@scripts/build $(BUILD)

run: build
	@scripts/install-deps $(RUN_DEPS)
	@$(BUILD)/app/kolva

test: build
	@ctest --test-dir $(BUILD) --output-on-failure --progress

# Renders the window offscreen with the project's own test and keeps the PNG.
screenshot: build
	@cd $(BUILD)/tests/window && QT_QPA_PLATFORM=offscreen ./window_tests rendersToPng >/dev/null 2>&1
	@cp $(BUILD)/tests/window/kolva-window.png docs/kolva-window.png
	@echo "docs/kolva-window.png"

clean:
	@rm -rf $(BUILD)
