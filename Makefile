# The two commands a new user needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
# Every test case runs as a CTest test of its own, two at a time; the cases keep their files apart.
TEST_JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DWERROR=ON
endif

.PHONY: all deps configure build test run package screenshots sanitize sanitize-tool sanitize-importer faults faults-tool bench bench-tool fuzz windows test-windows clean

all: build

deps:
	@scripts/deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(TEST_JOBS)

run: build
	@scripts/run-demo.sh $(BUILD)

# The Debian package build/package/flykestrel_<version>_amd64.deb, then its checks (scripts/check-package.sh).
PACKAGE_TOOLS = dpkg-dev file lintian appstream desktop-file-utils librsvg2-bin
package:
	@scripts/deps.sh $(PACKAGE_TOOLS)
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target flykestrel navmerger package_files -j$(JOBS)
	rm -f $(BUILD)/package/flykestrel_*.deb
	cd $(BUILD) && cpack -G DEB
	scripts/check-package.sh $(BUILD)

# Screenshots of the main window and of the installer at work on the demo installation, into docs/.
screenshots: configure
	@scripts/deps.sh xdotool imagemagick libarchive-tools
	cmake --build $(BUILD) --target flykestrel navmerger mkfly2 -j$(JOBS)
	scripts/screenshots.sh $(BUILD) docs

sanitize: deps
	cmake -S . -B build-sanitize -DSANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(TEST_JOBS)

# The tool's tests alone under the sanitizers (CI runs them): builds only what they need.
TOOL_TEST_TARGETS = $(addprefix test_tool_,fs archive wine journal shell app activation initune slicer install sweep) tool_sweep_runner
sanitize-tool: deps
	cmake -S . -B build-sanitize -DSANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-sanitize --target flykestrel navmerger mkfly2 $(TOOL_TEST_TARGETS) -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(TEST_JOBS) -R '^tool/'

# The importer's tests alone under the sanitizers: builds only navmerger, mkfly2 and their tests.
sanitize-importer: deps
	cmake -S . -B build-sanitize -DSANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-sanitize --target navmerger mkfly2 $(addprefix test_importer_,base platform pod db mkfly2 driver e2e robust) -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(TEST_JOBS) -R '^importer/'

# The importer's kill sweep on a FAULT_RECORDS-record installation (never part of `make test`, which runs
# it on 200 records): killed before each of its disk changes in every setup, each import must be undone or
# completed by the next run.
FAULT_RECORDS ?= 100000
faults: configure
	cmake --build $(BUILD) --target navmerger mkfly2 test_importer_robust -j$(JOBS)
	NAVMERGER_SWEEP_RECORDS=$(FAULT_RECORDS) $(BUILD)/bin/test_importer_robust --gtest_filter='Setups/KillSweep.*'

# The tool's kill sweep with a larger add-on (never part of `make test`, which runs it with 2 more files and
# a large one of 1 MiB): each operation killed before each of its disk changes must be undone to the byte.
TOOL_FAULT_FILES ?= 20
TOOL_FAULT_MIB ?= 16
faults-tool: configure
	cmake --build $(BUILD) --target test_tool_sweep -j$(JOBS)
	FLYKESTREL_SWEEP_FILES=$(TOOL_FAULT_FILES) FLYKESTREL_SWEEP_MIB=$(TOOL_FAULT_MIB) QT_QPA_PLATFORM=offscreen \
		$(BUILD)/bin/test_tool_sweep --gtest_filter='Operations/ToolKillSweep.*'

# Benchmarks (never part of `make test`): writes bench/RESULTS.md. BENCH_ARGS e.g. "--runs 5 --only WAYPOINT".
BENCH_ARGS ?=
bench: deps
	cmake -S . -B build-bench $(CMAKE_FLAGS)
	cmake --build build-bench --target navmerger mkfly2 navmerger_bench -j$(JOBS)
	build-bench/bin/navmerger_bench --out bench/RESULTS.md $(BENCH_ARGS)
	$(MAKE) bench-tool

# flykestrel's file layer alone: replaces its section of bench/RESULTS.md. TOOL_BENCH_ARGS e.g. "--runs 1".
TOOL_BENCH_ARGS ?=
bench-tool: deps
	@scripts/deps.sh btrfs-progs libarchive-tools  # the clone's figure (skipped without it); bsdtar
	cmake -S . -B build-bench $(CMAKE_FLAGS)
	cmake --build build-bench --target flykestrel_bench -j$(JOBS)
	build-bench/bin/flykestrel_bench --out bench/RESULTS.md $(TOOL_BENCH_ARGS)

# Fuzzing with libFuzzer (clang): each target runs FUZZ_SECONDS, starting from a corpus made by mkfly2.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/deps.sh clang libclang-rt-14-dev
	scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS) $(JOBS)

# navmerger.exe for Windows, cross-built with mingw-w64 and linked statically (no DLL beside it).
WINDOWS_BUILD ?= build-windows
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest
windows:
	@scripts/deps.sh $(WINDOWS_PACKAGES)
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD) --target navmerger -j$(JOBS)

# The importer's tests cross-built and run under wine64, then navmerger.exe against the Linux build.
test-windows: build
	@scripts/deps.sh $(WINDOWS_PACKAGES) wine64
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	scripts/test-windows.sh $(BUILD) $(WINDOWS_BUILD) $(TEST_JOBS)

clean:
	rm -rf $(BUILD) build-sanitize build-bench build-fuzz $(WINDOWS_BUILD)
