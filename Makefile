# The two commands a developer needs: `make run` and `make test`.
# Both install any missing Debian package first, then build into build/.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench docs clean

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

# Only the benchmark programs (the folder also holds their *_autogen
# folders); the figures run at device pixel ratio 1 and 2.
bench: build
	@set -e; for b in $(BUILD_DIR)/bench/bench_*; do \
	  if [ -f $$b ] && [ -x $$b ]; then QT_QPA_PLATFORM=offscreen $$b; fi; \
	done; \
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD_DIR)/bench/bench_figuras

docs: build
	sh scripts/screenshots.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
