# Friendly front door over CMake. `make run` plays, `make check` runs every test, `make check-fast`
# all but the slow ones.
# On a bare machine run scripts/install-deps.sh first (see the README): it installs make itself.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
# `make install` puts the game under $(DESTDIR)$(PREFIX): games/, lib/games/pushwell/, share/.
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all deps build run check check-fast check-sanitize check-library measures bench install package \
	pictures format clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Plays through the same launcher as the installed game, with the build tree's data, binary and
# checker: results and your own collections live in ~/.local/share/pushwell either way. ARGS go
# to the launcher: `make run ARGS='import FILE'`.
run: build
	@PUSHWELL_DATA_DIR="$(abspath $(BUILD))/data" PUSHWELL_BINARY="$(abspath $(BUILD))/pushwell" \
	  PUSHWELL_CHECK="$(abspath $(BUILD))/pushwell-check" sh $(BUILD)/dist/pushwell $(ARGS)

check: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test but those labelled slow (whole games on a private X server, the install tree).
check-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE slow

check-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPUSHWELL_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Proves every shipped level again with the checker's default limits (a few minutes) and holds
# the results to docs/measures.tsv; the test suite only replays the solutions kept there.
check-library: build
	bash tools/levelgen/measure_library.sh $(BUILD) compare

# Proves every shipped level and writes docs/measures.tsv and its summary, docs/levels.md, anew.
measures: build
	bash tools/levelgen/measure_library.sh $(BUILD) write

bench: build
	@for b in $(BUILD)/bench-*; do [ -x "$$b" ] && "$$b"; done

# The launcher is written at install time with the paths of $(PREFIX).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package, pushwell_VERSION_ARCH.deb in $(BUILD)/, always laid out under /usr.
package: build
	cd $(BUILD) && cpack -G DEB

# Copies the pictures the build draws (the play screen and a sheet of each collection) into
# docs/pictures, where the README shows them; the test pictures_up_to_date holds them equal.
pictures: build
	rm -f docs/pictures/*.png
	mkdir -p docs/pictures
	cp $(BUILD)/doc/pictures/*.png docs/pictures/

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
