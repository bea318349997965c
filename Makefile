# Two commands: `make run` and `make test` (see README.md).
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)

.PHONY: deps build run test fuzz bench clean

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run.sh $(BUILD)/cloakswitch

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600
	@$(MAKE) --no-print-directory fuzz

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCLOAKSWITCH_FUZZ=ON \
	    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	@$(BUILD)/cloakswitch-bench
	@$(BUILD)/cloakswitch-copy-bench

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
