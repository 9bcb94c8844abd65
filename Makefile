# SPDX-License-Identifier: GPL-3.0-or-later
# Maaltafels build entry points.
#   make run            build (Release) and start the program
#   make test           build (Debug, sanitizers) and run the tests; WERROR=1 turns warnings into errors
#   make bench          build (Release, web) and measure start-up time, memory and CPU use, desktop and page
#   make soak           long random walks over every screen, with sanitizers and on Release
#   make fuzz           fuzz the number rules with libFuzzer (clang) for FUZZ_SECONDS
#   make package        build (Release) and make a Debian package of it with CPack
#   make docs           redraw every picture in docs/ from the scenario file beside it, on the
#                       desktop and (docs/web/screens/) in the browser
#   make web            build the browser version: build/web/maaltafels.html (one file) and build/web/site/
#   make format         reformat the sources; make format-check only checks them
#   make clean          remove build/

WERROR ?=
RELEASE_OPTIONS := -DCMAKE_BUILD_TYPE=Release
TEST_OPTIONS := -DCMAKE_BUILD_TYPE=Debug -DMAALTAFELS_SANITIZE=ON -DMAALTAFELS_TEST_LEAK=ON \
                -DMAALTAFELS_WERROR=$(if $(filter 1 ON on true yes,$(WERROR)),ON,OFF)

FUZZ_OPTIONS := -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DMAALTAFELS_FUZZ=ON
FUZZ_SECONDS ?= 30
SOAK_SEED ?= $(shell date +%s)
SOAK_EVENTS ?= 1000000
SOAK_QT_EVENTS ?= 200000
SOAK_WEB_EVENTS ?= 50000
# Past the warm-up, resident memory may rise this fast, in kB per million inputs (a rise within
# what caches may take, 8 MB, passes however fast).
SOAK_TREND_KB ?= 32768

SOURCE_DIRS := $(wildcard platform shell drill aklas learn product automation bignumbers app tools tests)
NO_DISPLAY := make run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); \
              start it from a desktop session, or try: xvfb-run make run

WEB_OPTIONS := -DCMAKE_BUILD_TYPE=Release -DMAALTAFELS_WERROR=$(if $(filter 1 ON on true yes,$(WERROR)),ON,OFF)
# emscripten's tools run on node, which finds Debian's node modules only here.
WEB_ENV := NODE_PATH=/usr/share/nodejs

.PHONY: all setup release run test soak fuzz bench package docs web format format-check clean

all: release

setup:
	@scripts/setup.sh

# $(call configure,DIR,OPTIONS[,WRAPPER]): configures DIR unless it was already configured with exactly
# these options; WRAPPER (emcmake) goes before cmake.
define configure
	@if [ ! -f $(1)/build.ninja ] || [ "$$(cat $(1)/.configure-options 2>/dev/null)" != "$(strip $(2))" ]; then \
	    echo "$(strip $(3) cmake) -S . -B $(1) -G Ninja $(strip $(2))"; \
	    $(3) cmake -S . -B $(1) -G Ninja $(2) && echo "$(strip $(2))" > $(1)/.configure-options; \
	fi
endef

release: setup
	$(call configure,build/release,$(RELEASE_OPTIONS))
	cmake --build build/release

run:
	$(if $(strip $(DISPLAY)$(WAYLAND_DISPLAY)),,$(error $(NO_DISPLAY)))
	@$(MAKE) --no-print-directory release
	build/release/bin/maaltafels

# Widgets tests run off-screen unless QT_QPA_PLATFORM says otherwise. The browser build's suites
# (tests/web/tests.cmake) run from build/web, which make web shares.
test: setup
	$(call configure,build/test,$(TEST_OPTIONS))
	cmake --build build/test
	$(call web_build,web-tests)
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ctest --test-dir build/test --output-on-failure -j2
	$(WEB_ENV) ctest --test-dir build/web --output-on-failure -j2

# Under the sanitizers for crashes, their reports, mismatches and stranded children; on the
# Release build for the resident memory, which the sanitizers' quarantine of freed memory hides:
# its samples go to build/soak-release*-SEED.memory.
# The walks keep going past what they find and count it; all five run (the last in the page, in
# headless Chromium), and any finding fails.
SOAK_WALK = --walk --seed $(SOAK_SEED) --keep-going
soak: setup
	$(call configure,build/test,$(TEST_OPTIONS))
	cmake --build build/test --target maaltafels-scenario
	$(call configure,build/release,$(RELEASE_OPTIONS))
	cmake --build build/release --target maaltafels-scenario
	$(call web_build,scenario-page)
	@export QT_QPA_PLATFORM=offscreen; status=0; \
	build/test/bin/maaltafels-scenario $(SOAK_WALK) --events $(SOAK_EVENTS) --cover \
	    --replay build/soak-$(SOAK_SEED).scn || status=1; \
	build/test/bin/maaltafels-scenario $(SOAK_WALK) --qt --events $(SOAK_QT_EVENTS) --cover \
	    --replay build/soak-qt-$(SOAK_SEED).scn || status=1; \
	build/release/bin/maaltafels-scenario $(SOAK_WALK) --events $(SOAK_EVENTS) --max-trend $(SOAK_TREND_KB) \
	    --memory-log build/soak-release-$(SOAK_SEED).memory --replay build/soak-release-$(SOAK_SEED).scn \
	    || status=1; \
	build/release/bin/maaltafels-scenario $(SOAK_WALK) --qt --events $(SOAK_QT_EVENTS) --max-trend $(SOAK_TREND_KB) \
	    --memory-log build/soak-release-qt-$(SOAK_SEED).memory --replay build/soak-release-qt-$(SOAK_SEED).scn \
	    || status=1; \
	build/web/run-scenarios $(SOAK_WALK) --events $(SOAK_WEB_EVENTS) --cover --replay build/soak-web-$(SOAK_SEED).scn \
	    || status=1; \
	exit $$status

# New inputs go to build/fuzz/corpus; tests/fuzz/numbers keeps the ones worth keeping (merge them
# with build/fuzz/bin/numbers-fuzz -merge=1 tests/fuzz/numbers build/fuzz/corpus).
fuzz: setup
	$(call configure,build/fuzz,$(FUZZ_OPTIONS))
	cmake --build build/fuzz --target numbers-fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/bin/numbers-fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=512 -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/ build/fuzz/corpus tests/fuzz/numbers

# The page's figures after the desktop's, with the desktop program's drill beside the page's.
bench: release web
	tools/bench/bench.sh
	node tools/web/bench.js --desktop build/release/bin/maaltafels-scenario build/web/maaltafels.html

package: release
	cmake --build build/release --target package

# The browser version, and puppeteer-core (pinned, no browser download) for its tests in Chromium.
web:
	$(call web_build)

# $(call web_build[,TARGETS]): builds build/web (everything, or the targets) and installs puppeteer-core.
define web_build
	@scripts/setup.sh --web
	$(call configure,build/web,$(WEB_OPTIONS),$(WEB_ENV) emcmake)
	$(WEB_ENV) cmake --build build/web $(if $(1),--target $(1))
	@if [ ! -d build/web/npm/node_modules ] || [ tools/web/package-lock.json -nt build/web/npm/node_modules ]; then \
	    echo "npm ci (tools/web into build/web/npm)"; mkdir -p build/web/npm && \
	    cp tools/web/package.json tools/web/package-lock.json tools/web/.npmrc build/web/npm/ && \
	    cd build/web/npm && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-fund --no-audit; \
	fi
endef

# docs/NAME.png is the shot of docs/NAME.scn on real widgets, offscreen, and docs/web/screens/NAME.png
# the same in the page, in headless Chromium; the launcher icons are the ones the build draws for
# the package, side by side.
docs: setup
	$(call configure,build/release,$(RELEASE_OPTIONS))
	cmake --build build/release --target maaltafels-scenario packaging-files
	QT_QPA_PLATFORM=offscreen build/release/bin/maaltafels-scenario --qt --shots docs docs/*.scn
	build/release/bin/maaltafels-rendericon --sheet docs/launcher-icon.png \
	    packaging/nl.maaltafels.Maaltafels.desktop build/release/icons 16 48 256
	$(call web_build,scenario-page)
	$(WEB_ENV) build/web/run-scenarios --shots docs/web/screens docs/*.scn

# Runs clang-format with the given flags on every *.cpp and *.h in SOURCE_DIRS.
clang_format = $(if $(SOURCE_DIRS),find $(SOURCE_DIRS) -type f \( -name '*.cpp' -o -name '*.h' \) -print0 \
               | sort -z | xargs -0 -r clang-format $(1),true)

format format-check: $(if $(shell command -v clang-format 2>/dev/null),,setup)

format:
	@$(call clang_format,-i)

format-check:
	@$(call clang_format,--dry-run -Werror)

clean:
	rm -rf build
