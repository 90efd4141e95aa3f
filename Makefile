# The two commands of a fresh machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: deps run test build build-release bench asan tsan clean package package-check fuzz jatekos asan-ui

deps:
	@scripts/install-deps

build-release: deps
	@cmake -S . -B $(BUILD)-release -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-release -j$(JOBS) --target varion

run: build-release
	$(BUILD)-release/app/varion

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

bench: deps
	@cmake -S . -B $(BUILD)-release -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-release -j$(JOBS)
	@for b in $(BUILD)-release/bench/*_bench; do $$b; done

# The core tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARION_SANITIZE=ON \
	  -DVARION_WITH_UI=OFF -DVARION_WITH_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-asan -j$(JOBS)
	ctest --test-dir $(BUILD)-asan --output-on-failure -j$(JOBS)

# The breakdown engine's threads and, unless TSAN_UI=0, the breakdown window under
# ThreadSanitizer. CI runs the engine's part; the window's needs the whole UI built. The
# optimised reduction's oracle test checks results, not threads, and is too slow under it.
TSAN_ENV = TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/.ci/tsan.supp"
TSAN_UI ?= 1
TSAN_UI_ON = $(filter 1,$(TSAN_UI))
tsan: deps
	@cmake -S . -B $(BUILD)-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARION_TSAN=ON \
	  -DVARION_WITH_BENCH=OFF -DVARION_WITH_UI=$(if $(TSAN_UI_ON),ON,OFF) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-tsan -j$(JOBS) --target varion_core_tests \
	  $(if $(TSAN_UI_ON),varion_ui_tests)
	$(TSAN_ENV) $(BUILD)-tsan/tests/core/varion_core_tests \
	  --gtest_filter='BontasSzal*:Hibapont*:Bontas.*:BontasFutas*:OptimalisFedes*:OptimalisBontas*-*Oracle*'
	$(if $(TSAN_UI_ON),QT_QPA_PLATFORM=offscreen $(TSAN_ENV) $(BUILD)-tsan/tests/ui/varion_ui_tests \
	  --gtest_filter='BontasFutas*:BontasAblak*')

# --- Player tests ---------------------------------------------------------------------
# The program driven like a player: real X input, read over the accessibility bus, each test
# in a fresh program folder under Xvfb and a window manager (tests/jatekos/futtat).
jatekos: deps
	@scripts/install-deps jatekos
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS) --target varion varion-cli
	/usr/bin/python3 tests/jatekos/futtat --bin $(BUILD)/app --cli $(BUILD)/cli/varion-cli \
	  --kepek $(BUILD)/jatekos-kepek $(JATEKOS)

# The same player tests on a program built with AddressSanitizer and UBSan.
asan-ui: deps
	@scripts/install-deps jatekos
	@cmake -S . -B $(BUILD)-asan-ui -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARION_SANITIZE=ON \
	  -DVARION_WITH_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-asan-ui -j$(JOBS) --target varion varion-cli
	ASAN_OPTIONS=detect_leaks=0 /usr/bin/python3 tests/jatekos/futtat --bin $(BUILD)-asan-ui/app \
	  --cli $(BUILD)-asan-ui/cli/varion-cli --kepek $(BUILD)-asan-ui/jatekos-kepek $(JATEKOS)
# --- end of player tests -----------------------------------------------------------------

# --- Package and fuzzing ---------------------------------------------------------------
# The Debian package from the test build (stripped by CPack), then its checks.
package: deps
	@scripts/install-deps paket
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && cpack -G DEB

package-check: package
	desktop-file-validate packaging/hu.varion.Varion.desktop
	appstreamcli validate --no-net --pedantic $(BUILD)/packaging/hu.varion.Varion.metainfo.xml
	lintian --fail-on error $(BUILD)/package/varion_*.deb

# Every fuzz target of the file readers for FUZZ_SECONDS each (clang, ASan, UBSan).
FUZZ_SECONDS ?= 45
fuzz:
	@scripts/install-deps fuzz
	FUZZ_BUILD=$(BUILD)-fuzz scripts/fuzz $(FUZZ_SECONDS)
# --- end of package and fuzzing ---------------------------------------------------------

clean:
	rm -rf $(BUILD) $(BUILD)-release $(BUILD)-asan $(BUILD)-tsan $(BUILD)-fuzz $(BUILD)-asan-ui
