# Two entry points: `make run` opens the program, `make test` runs every test
# headless. Both install what is missing first. `make check` is the fast loop:
# build, then every test but the soak and the X-server tests.
# Each build folder is configured from its preset in CMakePresets.json
# (normal, sanitize, fuzz); WERROR=ON makes warnings errors, as `make test` does.
BUILD ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)
WERROR ?= OFF

.PHONY: run test check format setup build bench startup fuzz clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake --preset normal -B $(BUILD) -DQUENLO_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/shell/quenlo

# The benchmarks run briefly (to see that they run), then the fuzz targets
# side by side for FUZZ_SECONDS, then every test under AddressSanitizer and UBSan, then
# every test of the normal build. The soak test runs a fifth of its 10 000
# actions under the sanitizers, where it would take three times the rest.
test: WERROR = ON
test: build
	./$(BUILD)/bench/quenlo_bench --benchmark_min_time=0.05
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/quenlo_window_bench --benchmark_min_time=0.05
	$(MAKE) fuzz WERROR=$(WERROR)
	cmake --preset sanitize -B $(SAN_BUILD) -DQUENLO_WERROR=$(WERROR)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen QUENLO_SOAK_ACTIONS=2000 ctest --output-on-failure -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE "soak|e2e"

# The house style (.clang-format) over every C and C++ file git tracks.
format:
	git ls-files '*.c' '*.cpp' '*.h' | xargs clang-format -i

bench: build
	./$(BUILD)/bench/quenlo_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/quenlo_window_bench

# Start-up to the first painted prompt and peak memory, beside a bare Qt
# window, in an X server of their own.
startup: build
	bash bench/startup/measure.sh $(BUILD)

# The libFuzzer targets (clang, no Qt), all at once, each on one core for
# FUZZ_SECONDS from its seeds in fuzz/corpus; a finding fails the run.
# FUZZ_TARGETS picks some.
fuzz: setup
	cmake --preset fuzz -B $(FUZZ_BUILD) -DQUENLO_WERROR=$(WERROR)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
