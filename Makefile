# make run   installs what is missing, builds and starts the window
# make test  installs what is missing, builds and runs every test through CTest
# make bench builds and prints the benchmark table
# make screenshot  renders the start window offscreen into docs/fenster.png
# make asan  the whole suite built with -fsanitize=address,undefined
JOBS ?= $(shell nproc)
BUILD ?= build

.PHONY: deps build run test bench asan screenshots screenshot
deps:
	./tools/abhaengigkeiten.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/quorvel ]; then ./$(BUILD)/quorvel; else echo "The window is not built yet."; exit 1; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	@if [ -x $(BUILD)/bench/quorvel_bench ]; then ./$(BUILD)/bench/quorvel_bench; else echo "libbenchmark-dev missing: no benchmarks built"; exit 1; fi

asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS) --timeout 900

screenshot: build
	./$(BUILD)/quorvel_bildschirmfoto docs/fenster.png
