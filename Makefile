# Entry points: `make run` starts the editor, `make test` builds and runs every test.
# Both install what is missing first (scripts/install-deps).

.PHONY: deps configure build run test test-core bench clean

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

bench: build
	./build/bench/lumbrix_bench

clean:
	rm -rf build build-core build-asan
