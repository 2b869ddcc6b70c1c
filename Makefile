# Quorvix: wrappers around CMake. `make test` sets up everything from scratch.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CMAKE      ?= cmake

.PHONY: all deps configure build run cli test bench fuzz fuzz-smoke clean install package

all: build

deps:
	./scripts/install-deps.sh

# A build directory counts as configured only once CMake has succeeded there:
# the stamp is written last, and a failed configure (say, Qt not installed
# yet) takes its cache away, so the next `make build` configures again.
CONFIGURE = { $(CMAKE) -S . -B $(1) $(2) || { rm -f $(1)/CMakeCache.txt; exit 1; }; } && touch $(1)/.configured

$(BUILD)/.configured:
	$(call CONFIGURE,$(BUILD),-DCMAKE_BUILD_TYPE=Release $(LAUNCHER))

configure: $(BUILD)/.configured

build: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# The desktop calculator window (the terminal one: `make cli`).
run: deps build
	$(BUILD)/bin/quorvix

cli: deps build
	$(BUILD)/bin/quorvix-cli

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) fuzz-smoke

bench: deps build
	./scripts/run-benchmarks.sh $(BUILD)/bin
	./scripts/bench-startup.sh $(BUILD)/bin

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

# Installation: `make install` (PREFIX=/usr/local by default; DESTDIR is
# honoured) puts the programs, the help document, the desktop entry, the
# icon, the AppStream metadata and the man pages under PREFIX.
PREFIX    ?= /usr/local
DEB_BUILD ?= build-deb
CCACHE    := $(shell command -v ccache 2>/dev/null)
LAUNCHER  := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

install: configure
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS) --target quorvix quorvix-cli
	cmake --install $(BUILD)

# A Debian package, $(DEB_BUILD)/quorvix_<version>_<arch>.deb, built in its
# own tree installed under /usr: `sudo apt install ./$(DEB_BUILD)/quorvix_*.deb`.
package:
	cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DQUORVIX_TESTS=OFF -DQUORVIX_BENCH=OFF $(LAUNCHER)
	cmake --build $(DEB_BUILD) -j $(JOBS) --target quorvix quorvix-cli
	cd $(DEB_BUILD) && cpack -G DEB
	@ls $(DEB_BUILD)/quorvix_*.deb
