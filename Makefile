# make run   installs what is missing, builds, creates Data/db.edb when absent, starts the program
# make test  the same set-up, then builds and runs every test
BUILD ?= build
BIN := $(BUILD)/bin
JOBS ?= $(shell nproc)
VNC_PORT ?= 5901

.PHONY: run test build deps bench clean

deps:
	@tools/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p $(BIN)/Data $(BIN)/Image $(BIN)/Files
	@test -f $(BIN)/Data/db.edb || $(BIN)/article-newdb $(BIN)/Data/db.edb
	@tools/start.sh $(BIN)/article $(VNC_PORT)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DARTICLE_BENCH=ON -DARTICLE_TESTS=OFF
	cmake --build $(BUILD)-bench -j $(JOBS) --target article_bench
	$(BUILD)-bench/bin/article_bench

clean:
	rm -rf $(BUILD) $(BUILD)-bench
