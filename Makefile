# The two commands first: `make run` and `make test`; the rest wrap CMake.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
JOBS       ?= $(shell nproc)
SOURCES    = $(shell find src app cli tools tests bench -name '*.cpp' -o -name '*.hpp')

.PHONY: run test test-asan bench format format-check setup configure build screenshots package package-test
.PHONY: fuzz-build fuzz fuzz-regress

setup:
	@scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The window when a display is there, otherwise the headless program.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/app/brelune; \
	else echo "No display: planning the trimix example dive with the headless program"; \
	  $(BUILD)/cli/brelune-cli plan data/Example_dives/Trimix_60m_25min.dec --lang en --output runtime,summary; fi

test: build format-check
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@if command -v $(FUZZ_CXX) >/dev/null; then $(MAKE) --no-print-directory fuzz-regress; \
	else echo "fuzz-regress skipped: no $(FUZZ_CXX)"; fi

# PNGs of every finished window, state and language in build/screenshots/.
screenshots: build
	@$(BUILD)/tests/brelune-screenshots $(BUILD)/screenshots

test-asan: setup
	@cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRELUNE_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)
	@cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: setup
	@cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_BENCH) -j $(JOBS)
	@for b in $(BUILD_BENCH)/bench/bench_*; do $$b; done

format: setup
	@clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES)
	@echo "clang-format: clean"

# The Debian package brelune_<version>_<arch>.deb from a Release build of its own, checked by
# lintian (errors fail); package-test unpacks it into a scratch root and plans a dive from there.
BUILD_PACKAGE ?= build-package
package: setup
	@cmake -S . -B $(BUILD_PACKAGE) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
	@cmake --build $(BUILD_PACKAGE) -j $(JOBS) --target brelune brelune-cli handbuch brelune_paketdateien
	@cd $(BUILD_PACKAGE) && rm -f brelune_*.deb && cpack >/dev/null && ls -l brelune_*.deb
	@lintian --fail-on error $(BUILD_PACKAGE)/brelune_*.deb

package-test: package
	@tests/package/Paket_pruefen $(BUILD_PACKAGE) $(BUILD_PACKAGE)/paket_test $(BUILD_PACKAGE)/brelune_*.deb

# The file readers under libFuzzer, built with clang in $(BUILD_FUZZ). `make fuzz` runs each target
# for FUZZ_SECONDS and keeps the inputs it finds (and any crash) in FUZZ_CORPUS, outside the tree;
# `make fuzz-regress` runs every committed corpus entry and reproducer once.
BUILD_FUZZ   ?= build-fuzz
FUZZ_CC      ?= clang-19
FUZZ_CXX     ?= clang++-19
FUZZ_SECONDS ?= 60
FUZZ_CORPUS  ?= $(HOME)/.cache/brelune-fuzz
FUZZ_TARGETS  = Tauchgangsdatei Einstellungsdatei UDDF CSV Kalibriertabelle

fuzz-build: setup
	@CC=$(FUZZ_CC) CXX=$(FUZZ_CXX) cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBRELUNE_FUZZ=ON >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) --target brelune_fuzz

fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do mkdir -p $(FUZZ_CORPUS)/$$t && \
	  $(BUILD_FUZZ)/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=1 -rss_limit_mb=2048 \
	    -dict=tests/fuzz/$$t.dict -artifact_prefix=$(FUZZ_CORPUS)/$$t- -print_final_stats=1 \
	    $(FUZZ_CORPUS)/$$t tests/fuzz/corpus/$$t || exit 1; done

fuzz-regress: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  if $(BUILD_FUZZ)/tests/fuzz/fuzz_$$t -runs=0 -timeout=10 -artifact_prefix=$(BUILD_FUZZ)/ tests/fuzz/corpus/$$t \
	       $$(ls -d tests/fuzz/regress/$$t 2>/dev/null) >$(BUILD_FUZZ)/regress-$$t.log 2>&1; \
	  then echo "fuzz-regress $$t: ok"; \
	  else cat $(BUILD_FUZZ)/regress-$$t.log; echo "fuzz-regress $$t: FAILED"; exit 1; fi; done
