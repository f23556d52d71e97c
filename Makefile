# The two commands of the README. Both install what is missing first.
JOBS := $(shell nproc)

.PHONY: run test test-sanitize fuzz format format-check build data bench clean

run: build
	./build/tessalog/tessalog

build:
	./scripts/install-deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALOG_TESTS=OFF \
		-DTESSALOG_PROGRAM_DIR=$(CURDIR)/build/tessalog
	cmake --build build/release

test:
	./scripts/install-deps
	cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWERROR=ON -DTESSALOG_BENCH=ON
	cmake --build build/debug
	cd build/debug && ctest --no-tests=error --output-on-failure -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	./scripts/install-deps
	cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWERROR=ON -DSANITIZE=ON
	cmake --build build/sanitize
	cd build/sanitize && ctest --no-tests=error --output-on-failure -j $(JOBS)

# Builds the fuzz harnesses with clang and runs each for FUZZTIME seconds:
# make fuzz FUZZTIME=600
FUZZTIME ?= 60
fuzz:
	./scripts/install-deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DTESSALOG_TESTS=OFF -DTESSALOG_FUZZ=ON
	cmake --build build/fuzz --target fuzzers
	./fuzz/run $(FUZZTIME)

# Every source file as .clang-format lays it out.
SOURCES = $(sort $(shell find src tests bench fuzz tools -name '*.cpp' -o -name '*.h'))
format:
	./scripts/install-deps
	@clang-format -i $(SOURCES)

format-check:
	./scripts/install-deps
	@clang-format --dry-run -Werror $(SOURCES) && echo "formatting: $(words $(SOURCES)) files clean"

# Regenerates the default data files of data/ from the public reference data.
data:
	./scripts/install-deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALOG_TESTS=OFF
	cmake --build build/release --target gendata
	./build/release/tools/gendata/gendata ../shared/data data

bench:
	./scripts/install-deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALOG_TESTS=OFF -DTESSALOG_BENCH=ON
	cmake --build build/bench
	./build/bench/bench/bench_tessalog

clean:
	rm -rf build/release build/debug build/bench build/sanitize build/fuzz
