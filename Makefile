# Quorvix: wrappers around CMake. `make test` sets up everything from scratch.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CMAKE      ?= cmake

.PHONY: all deps configure build run cli test bench fuzz fuzz-smoke clean

all: build

deps:
	./scripts/install-deps.sh

# A build directory counts as configured only once CMake has succeeded there:
# the stamp is written last, and a failed configure (say, Qt not installed
# yet) takes its cache away, so the next `make build` configures again.
CONFIGURE = { $(CMAKE) -S . -B $(1) $(2) || { rm -f $(1)/CMakeCache.txt; exit 1; }; } && touch $(1)/.configured

$(BUILD)/.configured:
	$(call CONFIGURE,$(BUILD),-DCMAKE_BUILD_TYPE=Release)

configure: $(BUILD)/.configured

build: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# Until the window exists, the calculator runs in the terminal.
run: deps build
	$(BUILD)/bin/quorvix-cli

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) fuzz-smoke

bench: deps build
	./scripts/run-benchmarks.sh $(BUILD)/bin

$(FUZZ_BUILD)/.configured:
	$(call CONFIGURE,$(FUZZ_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DQUORVIX_FUZZ=ON -DQUORVIX_TESTS=OFF -DQUORVIX_BENCH=OFF)

fuzz-build: $(FUZZ_BUILD)/.configured
	$(CMAKE) --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

# A short run of every fuzz target, so regressions show in CI.
fuzz-smoke: fuzz-build
	./scripts/fuzz.sh $(FUZZ_BUILD)/bin $(FUZZ_SECONDS)

# A longer fuzzing session (FUZZ_SECONDS per target).
fuzz: FUZZ_SECONDS = 600
fuzz: fuzz-build
	./scripts/fuzz.sh $(FUZZ_BUILD)/bin $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
