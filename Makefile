# Quick start: `make demo` speaks a sample sentence, `make check` builds and runs every test.
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_RELEASE ?= build-release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_TEXT ?= Dobrý den, já jsem Vokadlo, český hlas pro Linux.

PREFIX ?= /usr/local

.PHONY: all deps build test check demo install voice format clean

all: build

deps:
	@scripts/install-deps

# A user's build never fails on a warning; make check turns warnings into errors.
WERROR ?= OFF

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOKADLO_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

check: WERROR = ON
check: deps
	tools/check-layers
	$(MAKE) test WERROR=ON
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DVOKADLO_WERROR=ON
	cmake --build $(BUILD_RELEASE) -j $(JOBS)
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DVOKADLO_SANITIZE=ON -DVOKADLO_WERROR=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

demo: build
	@if [ ! -x $(BUILD)/cli/vokadlo-say ]; then \
	  echo "demo: the command line speaker is not built yet (cli/vokadlo-say is missing)"; exit 1; fi
	$(BUILD)/cli/vokadlo-say -w demo.wav "$(DEMO_TEXT)"
	@echo "demo: wrote demo.wav"
	-@$(BUILD)/cli/vokadlo-say "$(DEMO_TEXT)"

# Installs into PREFIX (a folder of your own needs no root: make install PREFIX=$$HOME/.local).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

voice:
	tools/voicebuild/build-voice

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_RELEASE)
