# The README's two commands, `make run` and `make test`, and the checks
# around them: `make sanitize` (the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzzers' smoke run), `make fuzz-smoke`
# and `make install`.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= 2
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 20

# Sanitizer findings fail the test that meets them; leaks in the libraries
# under Qt that the program cannot free are listed in scripts/lsan.supp.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0

FUZZERS = bmp timing planner profile settings real48

.PHONY: run test build deps clean sanitize sanitize-build fuzz-smoke fuzz-smoke-run install

deps:
	@./scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/orvik

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# clang, -O1 with line tables for readable reports; the fuzzers are built in
# the same tree, so one build serves both.
sanitize-build: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ \
		"-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only" \
		-DORVIK_SANITIZE=ON -DORVIK_FUZZ=ON -DORVIK_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)

sanitize: sanitize-build
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory fuzz-smoke-run

# Each fuzzer for FUZZ_SECONDS on its seeds in tests/data/fuzz/<name> (and
# the bitmap suite for the bitmap reader); new
# inputs it finds collect in $(SANITIZE_DIR)/fuzz/corpus/<name>.
fuzz-smoke: sanitize-build
	@$(MAKE) --no-print-directory fuzz-smoke-run

fuzz-smoke-run:
	@for f in $(FUZZERS); do \
		mkdir -p $(SANITIZE_DIR)/fuzz/corpus/$$f; \
		echo "== $${f}_fuzzer, $(FUZZ_SECONDS) s"; \
		$(SANITIZER_ENV) ./$(SANITIZE_DIR)/fuzz/$${f}_fuzzer -max_total_time=$(FUZZ_SECONDS) \
			-print_final_stats=1 -rss_limit_mb=4096 -artifact_prefix=$(SANITIZE_DIR)/fuzz/$${f}- \
			$(SANITIZE_DIR)/fuzz/corpus/$$f tests/data/fuzz/$$f $$(test $$f = bmp && echo tests/data/bmpsuite-good) \
			2>$(SANITIZE_DIR)/fuzz/$$f.log \
			|| { tail -n 60 $(SANITIZE_DIR)/fuzz/$$f.log; exit 1; }; \
		grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)" $(SANITIZE_DIR)/fuzz/$$f.log; \
	done

# `make install PREFIX=/usr`; AUTOSTART=1 adds the XDG autostart entry;
# DESTDIR stages the files for a package.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	@if [ -n "$(AUTOSTART)" ]; then cmake --install $(BUILD_DIR) --prefix $(PREFIX) --component autostart; fi

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
