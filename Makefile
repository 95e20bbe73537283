# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
PREFIX ?= /usr/local
JOBS ?= 2

.PHONY: run test build deps clean install

deps:
	@./scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/orvik

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# `make install PREFIX=/usr`; AUTOSTART=1 adds the XDG autostart entry;
# DESTDIR stages the files for a package.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	@if [ -n "$(AUTOSTART)" ]; then cmake --install $(BUILD_DIR) --prefix $(PREFIX) --component autostart; fi

clean:
	rm -rf $(BUILD_DIR)
