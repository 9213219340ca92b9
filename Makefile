# The commands a developer needs: `make run` and `make test`.
# Each installs the Debian packages it is missing first (asking for sudo only
# then), and builds into build/ as the user who runs it.
#   make run       builds only the program and starts it
#   make test      builds everything and runs the whole suite headless
#   make bench     runs the drawing benchmarks
#   make install   installs into PREFIX (default /usr/local)
#   make deb       builds build/velquora_<version>_<arch>.deb
# CMAKE_ARGS passes options to CMake, e.g. CMAKE_ARGS=-DVELQUORA_WERROR=ON.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
CMAKE_ARGS ?=

CONFIGURE = cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

.PHONY: all deps build run test bench docs package-files install deb gallery clean

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
bench: build
	@for b in $$(find $(BUILD_DIR)/bench -maxdepth 1 -type f -perm -u+x -name 'bench_*' | sort); do \
	  QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD_DIR)/bench/bench_figuras

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

clean:
	rm -rf $(BUILD_DIR)
