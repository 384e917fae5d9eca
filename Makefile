# The two commands of the README: `make run` and `make test`. Both install what is missing.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench screenshots clean

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
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/calc/karvo_calc_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/ui/karvo_ui_bench

screenshots: build
	@bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
