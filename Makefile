# Quick start: `make demo` speaks a sample sentence, `make check` builds and runs every test.
BUILD ?= build
BUILD_ASAN ?= build-asan
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_TEXT ?= Dobrý den, já jsem Vokadlo, český hlas pro Linux.

.PHONY: all deps build test check demo voice format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

check: test
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DVOKADLO_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

demo: build
	@if [ ! -x $(BUILD)/cli/vokadlo-say ]; then \
	  echo "demo: the command line speaker is not built yet (cli/vokadlo-say is missing)"; exit 1; fi
	$(BUILD)/cli/vokadlo-say -w demo.wav "$(DEMO_TEXT)"
	@echo "demo: wrote demo.wav"
	-@$(BUILD)/cli/vokadlo-say "$(DEMO_TEXT)"

voice:
	tools/voicebuild/build-voice

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
