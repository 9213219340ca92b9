# The two commands a developer needs: `make run` and `make test`.
# Both install any missing Debian package first, then build into build/.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench docs gallery clean

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

gallery: build
	sh scripts/gallery.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
