# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what is missing, builds and starts the window
# make test  installs what is missing, builds and runs every test through CTest
# make bench builds and prints the benchmark table
# make asan  the whole suite built with -fsanitize=address,undefined
# make screenshot  renders the start window and a busy state offscreen into docs/start.png, docs/belebt.png
# make deb  builds the Debian package build/quorvel_<version>_amd64.deb
# make paketprobe  installs that package on a bare Debian 12 (debootstrap), shows its window, removes it
# make install  installs the program into PREFIX (default /usr/local), below DESTDIR if set
# make zufall  the random-action run on the sanitizer build, 20 seeds (ZUFALL_SEEDS, ZUFALL_AKTIONEN)
JOBS ?= $(shell nproc)
BUILD ?= build
PREFIX ?= /usr/local

.PHONY: deps build run test bench asan screenshot deb paketprobe install zufall
deps:
	./tools/abhaengigkeiten.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quorvel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	./$(BUILD)/bench/quorvel_bench

asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS) --timeout 900

screenshot: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --target quorvel_ansichten -j $(JOBS)
	./$(BUILD)/quorvel_ansichten docs

deb: build
	cd $(BUILD) && cpack -G DEB

paketprobe:
	./tools/paketprobe.sh $(BUILD)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX) --strip

ZUFALL_SEEDS ?= 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20
ZUFALL_AKTIONEN ?= 5000
zufall: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON
	cmake --build build-asan --target ui_tests -j $(JOBS)
	@schlecht=""; for s in $(ZUFALL_SEEDS); do \
	  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  QUORVEL_SEED=$$s QUORVEL_AKTIONEN=$(ZUFALL_AKTIONEN) \
	  ./build-asan/tests/ui_tests --gtest_filter='Zufallslauf.Tausende*' || schlecht="$$schlecht $$s"; \
	done; if [ -n "$$schlecht" ]; then echo "failing seeds:$$schlecht"; exit 1; fi
