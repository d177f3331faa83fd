# The two entry points: `make run` and `make test`. Both set up what a fresh
# Debian machine lacks first (quietly, and quickly when all is there).
SHELL := /bin/bash
JOBS ?= 2

.PHONY: all run test deps native win32 bench test-native test-win32 clean

all: native win32

deps:
	@scripts/setup-deps

native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

win32: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)

bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS)
	build/bench/bench/lumigrab_bench

test-native: native
	ctest --preset native -j $(JOBS)

# Wine unit tests and end-to-end scenarios share one private prefix, so they
# run one after another.
test-win32: win32
	ctest --preset win32

test: test-native test-win32

run: win32
	@scripts/run

clean:
	rm -rf build dist out
