# The two entry points: `make run` and `make test`. Both set up what a fresh
# Debian machine lacks first (quietly, and quickly when all is there).
SHELL := /bin/bash
JOBS ?= 2

.PHONY: all run test deps native win32 win32-product win64 wine-build dist bench test-native test-win32 clean \
	server server-build server-bench fuzz

all: native win32

deps:
	@scripts/setup-deps

native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

win32: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)

# The 32-bit product alone (dist/, the installer), without the Wine tests
# that only a machine with 32-bit mode runs.
win32-product: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS) --target dist_package

win64: deps
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j $(JOBS)

# The per-user installer dist/LumigrabSetup.exe and the portable zip beside
# it (installer/), from the 32-bit product.
dist: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS) --target dist_package
	@ls -l dist/LumigrabSetup.exe dist/Lumigrab-*-portable.zip

# The build Wine runs here: the 32-bit product with its tests, or, where
# this machine cannot start 32-bit programs (scripts/wine-arch), the 32-bit
# product alone and the 64-bit twin with the tests.
wine-build: deps
	@if [ "$$(scripts/wine-arch)" = win64 ]; then \
		$(MAKE) --no-print-directory win32-product win64; \
	else $(MAKE) --no-print-directory win32; fi

bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS)
	build/bench/bench/lumigrab_bench

# The image server: built optimised into dist-server/, then started on
# https://localhost:8443 with a self-signed certificate in its data folder.
server-build: deps
	@cmake --preset server >/dev/null
	@cmake --build --preset server -j $(JOBS) --target lumigrab-server

server: server-build
	@server/scripts/run-local

# Uploads per second and their 99th percentile over HTTPS on loopback.
server-bench: server-build
	@cmake --build --preset server -j $(JOBS) --target lumigrab-server-bench
	build/server/server/bench/lumigrab-server-bench

# The server's libFuzzer target over the upload checks, for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/setup-deps --fuzz
	@cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIGRAB_SANITIZE=ON -DLUMIGRAB_TESTS=OFF \
		-DLUMIGRAB_SERVER_FUZZ=ON >/dev/null
	@cmake --build build/fuzz -j $(JOBS) --target lumigrab-server-fuzz
	@python3 server/fuzz/make-seeds.py build/fuzz/corpus
	cd build/fuzz && server/fuzz/lumigrab-server-fuzz -max_total_time=$(FUZZ_SECONDS) \
		-print_final_stats=1 corpus

test-native: native
	ctest --preset native -j $(JOBS)

# The Wine tests and the scenarios, each scenario in its own Wine prefix.
test-win32: wine-build
	ctest --preset $$(scripts/wine-arch) -j $(JOBS)

# Every layer, then one line of counts (scripts/run-tests).
test: deps
	@JOBS=$(JOBS) scripts/run-tests

run: wine-build
	@scripts/run

clean:
	rm -rf build dist out dist-server
