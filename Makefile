# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what is missing, builds and starts the window
# make test  installs what is missing, builds and runs every test through CTest
# make bench builds and prints the benchmark table
# make asan  the whole suite built with -fsanitize=address,undefined
# make screenshot  renders the start window and a busy state offscreen into docs/start.png, docs/belebt.png
# make deb  builds the source and binary packages with dpkg-buildpackage into build/deb/, lintian and hardening-check judge them
# make reproduzierbar  make deb, then a second build elsewhere: every file must be byte for byte the same
# make paketprobe  installs the package (PAKET=, else a fresh make deb) on a bare Debian 12 (debootstrap), shows its window under X and Wayland, removes it
# make install  installs the program into PREFIX (default /usr/local), below DESTDIR if set
# make zufall  the random-action run on the sanitizer build, 20 seeds (ZUFALL_SEEDS, ZUFALL_AKTIONEN)
# make mutanten  slips put into probability/ and analysis/ one at a time: which the tests catch (tools/mutanten.py)
JOBS ?= $(shell nproc)
BUILD ?= build
PREFIX ?= /usr/local

.PHONY: deps konfigurieren build run test bench asan screenshot deb reproduzierbar paketprobe install zufall mutanten
deps:
	./tools/abhaengigkeiten.sh

build: deps konfigurieren
	cmake --build $(BUILD) -j $(JOBS)

# The presets (CMakePresets.json) name the builds; BUILD may put the release build elsewhere.
konfigurieren:
	cmake --preset release -B $(BUILD)

run: build
	./$(BUILD)/quorvel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	./$(BUILD)/bench/quorvel_bench

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

screenshot: deps konfigurieren
	cmake --build $(BUILD) --target quorvel_ansichten -j $(JOBS)
	./$(BUILD)/quorvel_ansichten docs

# The package is built from a copy of the sources, as a packager builds it; the build folder
# only holds the results.
deb:
	./tools/paket.sh $(BUILD)

reproduzierbar:
	./tools/paket.sh --zweimal $(BUILD)

paketprobe:
	./tools/paketprobe.sh $(BUILD) $(PAKET)

# Installs the program only: nothing from apt (the build must already be possible).
install: konfigurieren
	cmake --build $(BUILD) --target quorvel -j $(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX) --strip

ZUFALL_SEEDS ?= 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20
ZUFALL_AKTIONEN ?= 5000
zufall: deps
	cmake --preset asan
	cmake --build --preset asan --target ui_tests -j $(JOBS)
	@schlecht=""; for s in $(ZUFALL_SEEDS); do \
	  QT_QPA_PLATFORM=offscreen \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  QUORVEL_SEED=$$s QUORVEL_AKTIONEN=$(ZUFALL_AKTIONEN) \
	  ./build-asan/tests/ui_tests --gtest_filter='Zufallslauf.Tausende*' || schlecht="$$schlecht $$s"; \
	done; if [ -n "$$schlecht" ]; then echo "failing seeds:$$schlecht"; exit 1; fi

# Its own copy of the tree and build in build-mutanten/; not part of make test.
mutanten: deps
	JOBS=$(JOBS) python3 tools/mutanten.py
