# Orvane: every target installs what is missing first (scripts/install-deps.sh).
#   make run    start the desktop program (or print this year's holy days without a display)
#   make test   sanitizer build with warnings as errors, then every test through ctest
#   make build  release build; programs in build/release/bin/
#   make bench  the benchmarks (release build)
#   make fuzz   the fuzz targets, FUZZ_SECONDS (60) each
#   make lint   clang-tidy with the checks of .clang-tidy over every source file

JOBS ?= $(shell nproc)
CMAKE ?= cmake

.PHONY: all deps build test run bench format lint clean screenshots fuzz

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

# The whole tree takes several minutes on two cores; make test checks the
# files the last commit changed (scripts/lint.sh --changed).
lint: deps
	@$(CMAKE) --preset test >/dev/null
	@scripts/lint.sh build/test

# The fuzz targets, built with clang by the fuzz preset and run one after
# another for FUZZ_SECONDS each; inputs that crash or hang them are kept in
# tests/fuzz/*/regressions/, which make test replays.  (The command-line
# target works in a folder of its own, so its paths are absolute.)
FUZZ_SECONDS ?= 60
FUZZ_RUN = -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -print_final_stats=1
fuzz: deps
	@$(CMAKE) --preset fuzz >/dev/null
	@$(CMAKE) --build --preset fuzz -j $(JOBS)
	@for t in user_data user_data_file cli text_box; do mkdir -p build/fuzz/corpus/$$t tests/fuzz/$$t/regressions; done
	@build/fuzz/bin/user_data_fuzzer $(FUZZ_RUN) -timeout=10 -max_len=65536 \
	  -artifact_prefix=tests/fuzz/user_data/regressions/ build/fuzz/corpus/user_data tests/fuzz/user_data/seeds
	@# The file target starts from the reader's seeds.  Its files go to memory
	@# where there is /dev/shm: a save's flush to the disk costs nothing there.
	@env $$([ -d /dev/shm ] && echo TMPDIR=/dev/shm) \
	  build/fuzz/bin/user_data_file_fuzzer $(FUZZ_RUN) -timeout=10 -max_len=65536 \
	  -artifact_prefix=tests/fuzz/user_data_file/regressions/ build/fuzz/corpus/user_data_file tests/fuzz/user_data/seeds
	@build/fuzz/bin/cli_fuzzer $(FUZZ_RUN) -timeout=60 -max_len=256 -dict=$(CURDIR)/tests/fuzz/cli.dict \
	  -artifact_prefix=$(CURDIR)/tests/fuzz/cli/regressions/ $(CURDIR)/build/fuzz/corpus/cli $(CURDIR)/tests/fuzz/cli/seeds
	@build/fuzz/bin/text_box_fuzzer $(FUZZ_RUN) -timeout=10 -max_len=24 -dict=tests/fuzz/text_box.dict \
	  -artifact_prefix=tests/fuzz/text_box/regressions/ build/fuzz/corpus/text_box tests/fuzz/text_box/seeds

clean:
	rm -rf build
