# The commands a developer needs: `make run` and `make test`.
# Each installs the Debian packages it is missing first (asking for sudo only
# then), and builds into build/ as the user who runs it.
#   make run       builds only the program and starts it
#   make test      builds everything and runs the whole suite headless
#   make bench     runs the drawing benchmarks
#   make install   installs into PREFIX (default /usr/local)
#   make deb       builds build/velquora_<version>_<arch>.deb
# CMAKE_ARGS passes options to CMake, e.g. CMAKE_ARGS=-DVELQUORA_WERROR=ON.
#   make test-sanitize   builds and tests again under the sanitizers, in
#                        build-sanitize/; `make storm SEEDS=N` and
#                        `make fuzz FUZZ_SECONDS=N` run the longer storm and
#                        fuzzing there

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
CMAKE_ARGS ?=

CONFIGURE = cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

.PHONY: all deps build run test bench docs package-files install deb gallery clean build-sanitize test-sanitize storm fuzz

all: build

deps:
	@sh scripts/install-deps.sh test

build: deps
	@$(CONFIGURE) -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run:
	@sh scripts/install-deps.sh run
	@$(CONFIGURE) -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target velquora
	./$(BUILD_DIR)/velquora

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Only the benchmark programs (the folder also holds their *_autogen
# folders); the figures run at device pixel ratio 1 and 2.
# They share the tests' private runtime directory, which Qt asks for.
bench: build
	@for b in $$(find $(BUILD_DIR)/bench -maxdepth 1 -type f -perm -u+x -name 'bench_*' | sort); do \
	  XDG_RUNTIME_DIR=$(abspath $(BUILD_DIR)/tests/runtime) QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done
	XDG_RUNTIME_DIR=$(abspath $(BUILD_DIR)/tests/runtime) QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 \
	  $(BUILD_DIR)/bench/bench_figuras

docs: build
	sh scripts/screenshots.sh $(BUILD_DIR)

# The program and its desktop files, icons, metadata and manual page.
package-files:
	@sh scripts/install-deps.sh package
	@$(CONFIGURE) -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target velquora velquora-render velquora_data

install: package-files
	@d="$(DESTDIR)$(PREFIX)"; while [ ! -e "$$d" ]; do d=$$(dirname "$$d"); done; \
	if [ -w "$$d" ]; then cmake --install $(BUILD_DIR) --prefix $(PREFIX); \
	else sudo cmake --install $(BUILD_DIR) --prefix $(PREFIX); fi

deb: package-files
	cd $(BUILD_DIR) && cpack -G DEB

gallery: build
	sh scripts/gallery.sh $(BUILD_DIR)

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
