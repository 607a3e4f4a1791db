# The project's entry points. `make run` and `make test` work on a fresh Debian 12 machine:
# each installs what is missing, builds, and then runs the program or every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD?= build-bench
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

.PHONY: all deps build run test sanitize lint format format-check fuzz bench install clean

all: build

deps:
	@scripts/install-deps.sh build

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The core modules and their tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSEL_CORE_ONLY=ON -DTESSEL_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

lint: build
	@scripts/install-deps.sh lint
	@scripts/lint.sh $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

fuzz:
	@scripts/install-deps.sh build fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTESSEL_FUZZ=ON -DTESSEL_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench:
	@scripts/install-deps.sh build bench
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSEL_BENCH=ON -DTESSEL_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@scripts/bench.sh $(BENCH_BUILD)

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
