# Set-up and everyday commands. Every target installs what is missing first.
BUILD_DIR := build
JOBS := $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX ?= /usr/local

.PHONY: deps configure build run install package lint test bench check fuzz clean

deps:
	@bash scripts/install-deps.sh

# A new build folder starts with the tests and benchmarks off, so that `make build` and `make run`
# compile only the program and its artwork; `make test` and `make bench` switch theirs on, and they
# stay on in that folder. Either way `make build` builds the program alone.
CONFIGURE = cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) \
  $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DBUILD_TESTING=OFF -DTINTARA_BENCHMARKS=OFF)

configure: deps
	$(CONFIGURE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tintara

run: build
	$(BUILD_DIR)/tintara

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# tintara_<version>_<architecture>.deb in the build folder.
package: build
	@bash scripts/install-deps.sh --with-package
	rm -f $(BUILD_DIR)/tintara_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	dpkg-deb --info $(BUILD_DIR)/tintara_*.deb

# Installs into a scratch folder and checks the tree: the files, the desktop entry
# (desktop-file-validate), the AppStream metadata (appstreamcli) and the manual page (groff).
LINT_ROOT := $(BUILD_DIR)/lint-root
lint: build
	@bash scripts/install-deps.sh --with-lint
	rm -rf $(LINT_ROOT)
	cmake --install $(BUILD_DIR) --prefix $(abspath $(LINT_ROOT))
	bash packaging/check-install.sh $(BUILD_DIR) $(LINT_ROOT)

test:
	@bash scripts/install-deps.sh --with-tests
	$(CONFIGURE) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench:
	@bash scripts/install-deps.sh --with-bench
	$(CONFIGURE) -DTINTARA_BENCHMARKS=ON
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tintara_bench cli_write_inputs tintara
	$(BUILD_DIR)/bench/tintara_bench --benchmark_out=$(BUILD_DIR)/bench.json --benchmark_out_format=json
	bash bench/cli/timings.sh $(BUILD_DIR)

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer in their own folder;
# the benchmarks are left out, and the C++ runtime stays shared, where the sanitizers expect it.
# Any report fails the test that made it.
CHECK_DIR := build-check
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
# Leak checking stays on: the Qt tests free what they allocate on the offscreen platform.
CHECK_ENV := QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1
check:
	@bash scripts/install-deps.sh --with-tests
	cmake -S . -B $(CHECK_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
	  -DBUILD_TESTING=ON -DTINTARA_BENCHMARKS=OFF -DTINTARA_STATIC_CXX_RUNTIME=OFF \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)"
	cmake --build $(CHECK_DIR) -j $(JOBS)
	cd $(CHECK_DIR) && $(CHECK_ENV) ctest --output-on-failure -j $(JOBS)

FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 600
# Each target with the folder of its seeds under fuzz/seeds/.
FUZZ_TARGETS := bmp_reader:bmp png_reader:png skin_note:skin_note ini_file:ini code_string:code_string page_codes:page codes_file:codes_file code_book:code_book placement:placement palette_text:palette_text palette_reader:palette gallery_picture:bmp
fuzz:
	@bash scripts/install-deps.sh --with-fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTINTARA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(foreach t,$(FUZZ_TARGETS),fuzz_$(firstword $(subst :, ,$(t))))
	bash fuzz/run_targets.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD_DIR) $(CHECK_DIR) $(FUZZ_DIR)
