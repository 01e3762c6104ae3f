# Set-up and everyday commands. Every target installs what is missing first.
BUILD_DIR := build
JOBS := $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test check bench fuzz clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/tintara

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/tintara_bench --benchmark_out=$(BUILD_DIR)/bench.json --benchmark_out_format=json

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer in their own folder;
# the benchmarks are left out. Any report fails the test that made it.
CHECK_DIR := build-check
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
# Leak checking stays on: the Qt tests free what they allocate on the offscreen platform.
CHECK_ENV := QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1
check: deps
	cmake -S . -B $(CHECK_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)"
	cmake --build $(CHECK_DIR) -j $(JOBS) --target $$(cmake --build $(CHECK_DIR) --target help \
	  | sed -n -E 's/^(\.\.\. )?([a-z_]+_tests)(: .*)?$$/\2/p')
	cd $(CHECK_DIR) && $(CHECK_ENV) ctest --output-on-failure -j $(JOBS)

FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 600
# Each target with the folder of its seeds under fuzz/seeds/.
FUZZ_TARGETS := bmp_reader:bmp ini_file:ini code_string:code_string
fuzz:
	@bash scripts/install-deps.sh --with-fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTINTARA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(foreach t,$(FUZZ_TARGETS),fuzz_$(firstword $(subst :, ,$(t))))
	bash fuzz/run_targets.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD_DIR) $(CHECK_DIR) $(FUZZ_DIR)
