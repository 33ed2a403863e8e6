# Orvane: every target installs what is missing first (scripts/install-deps.sh).
#   make run    start the desktop program (or print this year's holy days without a display)
#   make test   sanitizer build with warnings as errors, then every test through ctest
#   make build  release build; programs in build/release/bin/
#   make bench  the benchmarks (release build)
#   make fuzz   the fuzz targets, FUZZ_SECONDS (60) each

JOBS ?= $(shell nproc)
CMAKE ?= cmake

.PHONY: all deps build test run bench format clean screenshots fuzz

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

# The fuzz targets, built with clang and run for FUZZ_SECONDS each; inputs
# that crash or hang them are kept in tests/fuzz/*/regressions/.
FUZZ_SECONDS ?= 60
FUZZ_FLAGS = -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -ffp-contract=off -Isrc
USER_DATA_FILE_SOURCES = src/app/user_data.cpp src/app/user_data_file.cpp src/app/safe_file.cpp src/engine/numeric.cpp
fuzz: deps
	@mkdir -p build/fuzz/user_data_corpus build/fuzz/user_data_file_corpus \
	  tests/fuzz/user_data/regressions tests/fuzz/user_data_file/regressions
	@clang++ $(FUZZ_FLAGS) tests/fuzz/user_data_fuzzer.cpp src/app/user_data.cpp src/engine/numeric.cpp \
	  -o build/fuzz/user_data_fuzzer
	@clang++ $(FUZZ_FLAGS) -Itests tests/fuzz/user_data_file_fuzzer.cpp $(USER_DATA_FILE_SOURCES) \
	  -o build/fuzz/user_data_file_fuzzer
	@build/fuzz/user_data_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=1024 -max_len=65536 \
	  -print_final_stats=1 -artifact_prefix=tests/fuzz/user_data/regressions/ \
	  build/fuzz/user_data_corpus tests/fuzz/user_data/seeds
	@# Its files go to memory where there is /dev/shm: a save's flush to the disk costs nothing there.
	@env $$([ -d /dev/shm ] && echo TMPDIR=/dev/shm) \
	  build/fuzz/user_data_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=1024 \
	  -max_len=65536 -print_final_stats=1 -artifact_prefix=tests/fuzz/user_data_file/regressions/ \
	  build/fuzz/user_data_file_corpus tests/fuzz/user_data/seeds

clean:
	rm -rf build
