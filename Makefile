# Set-up and everyday commands. Every target installs what is missing first.
BUILD_DIR := build
JOBS := $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test bench fuzz clean

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

FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 600
fuzz:
	@bash scripts/install-deps.sh --with-fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTINTARA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_bmp_reader
	mkdir -p $(FUZZ_DIR)/corpus
	./$(FUZZ_DIR)/fuzz/fuzz_bmp_reader -max_total_time=$(FUZZ_SECONDS) $(FUZZ_DIR)/corpus fuzz/seeds

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
