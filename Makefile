# Orvane: every target installs what is missing first (scripts/install-deps.sh).
#   make run    start the desktop program (or print this year's holy days without a display)
#   make test   sanitizer build with warnings as errors, then every test through ctest
#   make build  release build; programs in build/release/bin/
#   make bench  the benchmarks (release build)

JOBS ?= $(shell nproc)
CMAKE ?= cmake

.PHONY: all deps build test run bench format clean screenshots

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@$(CMAKE) --preset release >/dev/null
	@$(CMAKE) --build --preset release -j $(JOBS)

test: deps
	@$(CMAKE) --preset test >/dev/null
	@$(CMAKE) --build --preset test -j $(JOBS)
	@ctest --preset test -j $(JOBS)

run: build
	@scripts/run.sh

bench: deps
	@$(CMAKE) --preset bench >/dev/null
	@$(CMAKE) --build --preset bench -j $(JOBS)
	@build/bench/bin/orvane-bench

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
