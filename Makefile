# Entry points: `make run` starts the editor, `make test` builds and runs every test.
# Both install what is missing first (scripts/install-deps).

.PHONY: deps configure build run test test-core asan bench clean test-windows fuzz package check-package

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

run: build
	./build/lumbrix $(ARGS)

test: build
	@ctest --preset default -j2
	@$(MAKE) --no-print-directory test-core

# The core alone, configured without any Qt, must build and pass.
test-core: deps
	@cmake --preset core >/dev/null
	@cmake --build --preset core
	@ctest --preset core -j2

# Every test, the window tests and the end-to-end run included, built with the address and
# undefined-behaviour sanitizers. Any report fails the run: UBSan stops at its first finding, and
# LeakSanitizer reports our leaks; the suppressions file names only leaks of system libraries.
SANITIZER_ENV = \
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@$(SANITIZER_ENV) ctest --preset asan -j2

bench: build
	./build/bench/lumbrix_bench

# The Debian package build/lumbrix_<version>-1_amd64.deb: the program, its help pages,
# templates, icons, desktop entry, AppStream metadata and manual page.
package: configure
	@scripts/install-deps package
	@cmake --build --preset default --target lumbrix lumbrix_docs
	@cd build && cpack -G DEB

# Installs that package into a fresh Debian 12 root and starts it there (root, slow).
check-package: package
	scripts/check-package build/lumbrix_*_amd64.deb

clean:
	rm -rf build build-core build-asan build-fuzz build-windows

# The fuzz targets (clang's libFuzzer, with the address and undefined-behaviour sanitizers), each
# run for a minute on a copy of its seed corpus in build-fuzz/; any crash or report fails.
fuzz:
	@scripts/install-deps fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/run-fuzz -max_total_time=60

# The core and its tests cross-compiled for 64-bit Windows (mingw-w64) and run under Wine, in a
# Wine prefix of their own inside build-windows: the user's ~/.wine is never touched. The test
# program runs once, as a whole: starting Wine for each test (`ctest --preset windows`) takes
# seconds a test. The prefix is made first (a fresh one waits for its server to end), then Wine's
# server and background programs are started, away from the output pipes (which they would
# otherwise hold open), and stopped at the end.
WINE_ENV = WINEPREFIX=$(CURDIR)/build-windows/wine WINEDEBUG=-all

test-windows:
	@scripts/install-deps windows
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows
	@$(WINE_ENV) scripts/wine-run cmd /c exit 0 </dev/null >/dev/null 2>&1
	@$(WINE_ENV) wineserver -w
	@$(WINE_ENV) wineserver -p
	@$(WINE_ENV) scripts/wine-run cmd /c exit 0 </dev/null >/dev/null 2>&1
	@status=0; cd build-windows/tests && $(WINE_ENV) ../../scripts/wine-run core_tests.exe \
	  --gtest_brief=1 || status=$$?; $(WINE_ENV) wineserver -k; exit $$status
