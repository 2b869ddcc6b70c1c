# Quorvix: wrappers around CMake. `make test` sets up everything from scratch.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CMAKE      ?= cmake

.PHONY: all deps configure build run cli test bench fuzz fuzz-smoke sanitize tidy clean install package

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
	$(MAKE) sanitize

# Both programs built with AddressSanitizer and UBSan (optimised lightly, to
# build quickly); the window's end-to-end test and the CLI's tests of the
# built program run over them, and any sanitizer report fails the run.
# Leak reports are off: Qt's libraries keep their caches until the process
# ends. The test that runs the CLI under a 64 MB data limit is left out
# (ASan's shadow memory alone is larger).
SAN_TESTS ?= ^Cli|gui.e2e_tray
SAN_EXCLUDE ?= InputWithoutLineBreaksIsDiscardedNotKept
$(SAN_BUILD)/.configured:
	$(call CONFIGURE,$(SAN_BUILD),-DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g" \
	  -DQUORVIX_SANITIZE=ON -DQUORVIX_BENCH=OFF $(LAUNCHER))

sanitize: $(SAN_BUILD)/.configured
	$(CMAKE) --build $(SAN_BUILD) -j $(JOBS) --target quorvix quorvix-cli cli_tests
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -R '$(SAN_TESTS)' -E '$(SAN_EXCLUDE)' --no-tests=error

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

# The naming rule (README, "Naming") checked by clang-tidy over the desktop
# program's code: the composition root, the Qt views and the Qt services.
TIDY_SOURCES = $(wildcard src/app/*.cpp src/gui/*/*.cpp src/platform/qt/*.cpp)
tidy: build
	run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet $(abspath $(TIDY_SOURCES)) > $(BUILD)/tidy.log 2>&1; \
	  status=$$?; grep -E 'warning:|error:' $(BUILD)/tidy.log; exit $$status

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SAN_BUILD)

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
