# Quick start: `make demo` speaks a sample sentence, `make check` builds and runs every test.
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_RELEASE ?= build-release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_TEXT ?= Dobrý den, já jsem Vokadlo, český hlas pro Linux.

PREFIX ?= /usr/local

.PHONY: all deps build test check fuzz demo install voice format format-check clang-build clean

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
	$(MAKE) format-check
	$(MAKE) test WERROR=ON
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DVOKADLO_WERROR=ON
	cmake --build $(BUILD_RELEASE) -j $(JOBS)
	$(MAKE) clang-build
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DVOKADLO_SANITIZE=ON -DVOKADLO_WERROR=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

# Runs every fuzz target (fuzz/) for FUZZ_SECONDS each, one after the other, with the address and
# undefined-behaviour sanitizers; needs clang and its libFuzzer (Debian: clang,
# libclang-rt-14-dev). New inputs gather in $(BUILD_FUZZ)/fuzz/found/TARGET, a failing one is
# written to $(BUILD_FUZZ)/fuzz/ as crash-TARGET-... and stops the run.
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 600
fuzz:
	@command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (Debian: clang libclang-rt-14-dev)"; exit 1; }
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVOKADLO_SANITIZE=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_targets
	@for target in $$(cat $(BUILD_FUZZ)/fuzz/targets.txt); do \
	  mkdir -p $(BUILD_FUZZ)/fuzz/found/$$target; \
	  echo "fuzz: $$target for $(FUZZ_SECONDS) s"; \
	  $(BUILD_FUZZ)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -timeout=30 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=$(BUILD_FUZZ)/fuzz/crash-$$target- \
	    $(BUILD_FUZZ)/fuzz/found/$$target fuzz/corpus/$$target || exit 1; \
	done

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

# Fails on any tracked source that clang-format would change (make format changes them).
format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# Builds everything once with clang, warnings as errors (its warnings differ from GCC's); the
# tests run in the GCC builds.
BUILD_CLANG ?= build-clang
clang-build:
	cmake -S . -B $(BUILD_CLANG) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DVOKADLO_WERROR=ON -DVOKADLO_LIBFUZZER=OFF
	cmake --build $(BUILD_CLANG) -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_RELEASE) $(BUILD_CLANG)
