# Entry points: `make run` starts the editor, `make test` builds and runs every test.
# Both install what is missing first (scripts/install-deps).

.PHONY: deps configure build run test test-core asan bench clean package check-package

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
	rm -rf build build-core build-asan
