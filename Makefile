# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` and `make test`. Both install what is missing.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# DEEP=1 (CI sets it) makes `make test` also run every test in a sanitizer build, the fuzzers,
# memcheck and the guard check of every promise.
DEEP ?= 0
FUZZ_SECONDS ?= 20
# The sanitizer build's tests: leaks that Qt and the system libraries keep until the exit are
# suppressed by name, nothing of the project's.
SANITIZER_ENV = LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure build run test bench screenshots clean
.PHONY: test-sanitize fuzz memcheck guard-check guard-check-windows
.PHONY: package package-check startup-bench
.PHONY: windows windows-test windows-check

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/app/karvo

test: build
	@bash scripts/format-check.sh
	@bash scripts/license-check.sh
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
ifeq ($(DEEP),1)
	$(MAKE) test-sanitize fuzz memcheck guard-check DEEP=0
endif

test-sanitize:
	$(SANITIZER_ENV) $(MAKE) test DEEP=0 BUILD=build-asan \
		CMAKE_FLAGS="$(CMAKE_FLAGS) -DKARVO_SANITIZE=ON -DKARVO_BENCHMARKS=OFF"

fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh build-fuzz

memcheck: build
	bash tests/valgrind/memcheck.sh $(BUILD)/ui/tests/karvo_ui_tests

# Each promise of tests/promises.txt broken in turn on a copy of the sources in build-guard/:
# the tests it names must fail twice in a row, and pass once the break is undone.
guard-check: deps
	python3 scripts/guard-check.py --work build-guard tests/promises.txt

# The breaks of the Windows build (windows-tests:) on a copy of it in build-guard-windows/, their
# tests under Wine: too slow for CI, where `make windows-test` runs those tests.
guard-check-windows: deps
	python3 scripts/guard-check.py --windows --work build-guard-windows tests/promises.txt

bench: build
	$(BUILD)/calc/karvo_calc_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/ui/karvo_ui_bench

screenshots: build
	@bash scripts/screenshots.sh $(BUILD)

# The Debian package, $(BUILD)/karvo_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack

# Debian's and freedesktop.org's checks of that package: lintian, AppStream, desktop entry, man;
# then a second build in another folder must give the same bytes.
package-check: package
	bash scripts/package-check.sh $(BUILD)
	bash scripts/package-reproducible.sh $(BUILD)

# Start-up of Karvo against a bare Qt window under Xvfb: medians, ratio and peak memory.
startup-bench: build
	bash scripts/startup-bench.sh $(BUILD)

# The Windows installer, $(WINDOWS_BUILD)/Karvo-<version>-win64-setup.exe, cross-built with
# mingw-w64 and Qt for Windows (built once, into ~/.cache/karvo); its tests run under Wine.
WINDOWS_BUILD ?= build-windows
windows:
	bash scripts/windows/build.sh $(WINDOWS_BUILD) $(CMAKE_FLAGS)

windows-test: windows
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j $(JOBS)

# The setup built twice, from two clones of the last commit in two folders: the same bytes.
windows-check:
	bash scripts/windows/reproducible.sh $(CMAKE_FLAGS)

clean:
	rm -rf $(BUILD)
