# Two commands for a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test (GUI ones headless),
#               then the core suite again under AddressSanitizer and UBSan
# More: make build | make bench | make fuzz | make clean

JOBS ?= $(shell nproc)

.PHONY: run test deps build build-asan test-asan bench fuzz clean

run: build
	./build/bin/ashtally

test: build build-asan
	ctest --preset release -j $(JOBS)
	ctest --preset asan -j $(JOBS)

deps:
	@sh packaging/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	./build-bench/bin/ashtally-bench

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

clean:
	rm -rf build build-debug build-asan build-bench build-fuzz
