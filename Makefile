# Maaltafels build entry points.
#   make run            build (Release) and start the program
#   make test           build (Debug, sanitizers) and run the tests; WERROR=1 turns warnings into errors
#   make bench          build (Release) and measure start-up time, memory and idle CPU use
#   make package        build (Release) and make a Debian package of it with CPack
#   make format         reformat the sources; make format-check only checks them
#   make clean          remove build/

WERROR ?=
RELEASE_OPTIONS := -DCMAKE_BUILD_TYPE=Release
TEST_OPTIONS := -DCMAKE_BUILD_TYPE=Debug -DMAALTAFELS_SANITIZE=ON \
                -DMAALTAFELS_WERROR=$(if $(filter 1 ON on true yes,$(WERROR)),ON,OFF)

SOURCE_DIRS := $(wildcard platform shell drill aklas learn product automation bignumbers app tools tests)
NO_DISPLAY := make run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); \
              start it from a desktop session, or try: xvfb-run make run

.PHONY: all setup release run test bench package format format-check clean

all: release

setup:
	@scripts/setup.sh

# $(call configure,DIR,OPTIONS): configures DIR unless it was already configured with exactly these options.
define configure
	@if [ ! -f $(1)/build.ninja ] || [ "$$(cat $(1)/.configure-options 2>/dev/null)" != "$(strip $(2))" ]; then \
	    echo "cmake -S . -B $(1) -G Ninja $(strip $(2))"; \
	    cmake -S . -B $(1) -G Ninja $(2) && echo "$(strip $(2))" > $(1)/.configure-options; \
	fi
endef

release: setup
	$(call configure,build/release,$(RELEASE_OPTIONS))
	cmake --build build/release

run:
	$(if $(strip $(DISPLAY)$(WAYLAND_DISPLAY)),,$(error $(NO_DISPLAY)))
	@$(MAKE) --no-print-directory release
	build/release/bin/maaltafels

# Widgets tests run off-screen unless QT_QPA_PLATFORM says otherwise.
test: setup
	$(call configure,build/test,$(TEST_OPTIONS))
	cmake --build build/test
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ctest --test-dir build/test --output-on-failure -j2

bench: release
	tools/bench/bench.sh

package: release
	cmake --build build/release --target package

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
