# The two commands a developer needs: `make run` and `make test`.
# Both install any missing Debian package first, then build into build/.
# `make test-sanitize` builds and tests again under the sanitizers, in
# build-sanitize/; `make storm SEEDS=N` and `make fuzz FUZZ_SECONDS=N` run the
# longer storm and fuzzing there.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench docs clean build-sanitize test-sanitize storm fuzz

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/velquora

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do QT_QPA_PLATFORM=offscreen $$b; done

docs: build
	sh scripts/screenshots.sh $(BUILD_DIR)

# Clang, for its fuzzer; the sanitizers abort at their first report.
SANITIZE_DIR ?= build-sanitize
SEEDS ?= 5
FUZZ_SECONDS ?= 60

build-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVELQUORA_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)

test-sanitize: build-sanitize
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SECONDS)

# SEEDS storms of 20,000 actions each, seeds 1 to SEEDS.
storm: build-sanitize
	cd $(SANITIZE_DIR) && VELQUORA_STORM_SEEDS=$(SEEDS) QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -L storm

# New inputs go to a scratch folder; the corpus in the tree is only read.
fuzz: build-sanitize
	@novos=$$(mktemp -d) && \
	  $(SANITIZE_DIR)/tests/fuzz/fuzz_canvas -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -print_final_stats=1 $$novos tests/fuzz/corpus; r=$$?; rm -rf $$novos; exit $$r

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
