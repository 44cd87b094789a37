// A go run of the real plug-in module against the stand-in host, at the
// defaults and at the largest configuration the dialog allows (about 4.3
// million instances), next to a bare loop that does the generator's
// arithmetic and random draws without any host: the ratio is what the host
// costs. Also reports the document's memory per instance.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "plugin/params/param_block.h"
#include "sim/default_document.h"
#include "sim/host.h"
#include "sim/random.h"
#include "sim/real_math.h"

namespace {

// Session output goes nowhere.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

struct Configuration {
  int32_t slots, slotsPerPass, rows, layers;
};
constexpr Configuration kLargest = {200, 50, 200, 25};

void Configure(ParamBlock& block, const Configuration* config) {
  if (config == nullptr) return;  // the defaults
  block.slot[PageSlot(kSlotSymbols, 0)].i = config->slots;
  block.slot[PageSlot(kSlotSymbols, 1)].i = config->slotsPerPass;
  block.slot[PageSlot(kSlotSymbols, 2)].i = config->rows;
  block.slot[kSlotLayers].i = config->layers;
}

void RunGo(benchmark::State& state, const Configuration* config) {
  NullBuffer discard;
  std::ostream out(&discard);
  sim::Host host(out);
  std::string error;
  if (!host.LoadModule(QUILLANE_MODULE_PATH, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  host.Startup();
  sim::LoadDefaultDocument(host.document());
  ParamBlock& block = host.StoredParameters();
  Configure(block, config);

  size_t instances = 0, bytes = 0;
  for (auto _ : state) {
    block.slot[kSlotPreviewPresent].i = 0;  // no preview: the go run makes the art
    host.Go();  // a go message alone is its own use
    state.PauseTiming();
    instances = host.document().liveArtCount();
    bytes = host.document().ArtMemoryBytes();
    host.document().UndoChanges();  // take this use's art away for the next iteration
    state.ResumeTiming();
  }
  host.Shutdown();
  if (instances == 0) state.SkipWithError("the go run made no instances");
  state.counters["instances"] = static_cast<double>(instances);
  state.counters["instances_per_second"] =
      benchmark::Counter(static_cast<double>(instances), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["bytes_per_instance"] = instances ? static_cast<double>(bytes) / instances : 0;
}

void BM_GoDefaults(benchmark::State& state) { RunGo(state, nullptr); }
void BM_GoLargest(benchmark::State& state) { RunGo(state, &kLargest); }

float Sign(float r) { return r > 0.5 ? -1.0f : 1.0f; }

// The generator's work for every slot of the largest run, all slots filled,
// with no host in between: the same random source, the same float running
// values, the same matrix arithmetic, the results kept in a plain array.
void BM_BareArithmetic(benchmark::State& state) {
  ParamBlock block;
  WriteParamDefaults(block, nullptr);
  Configure(block, &kLargest);
  const float scaleStep = block.slot[PageSlot(kSlotSymbolToSymbolScale, 0)].f * 0.01f;
  const float angleStep = sim::DegreeToRadian(block.slot[PageSlot(kSlotSymbolToSymbolAngle, 0)].f);
  const float gapX = block.slot[PageSlot(kSlotGapX, 0)].f, gapY = block.slot[PageSlot(kSlotGapY, 0)].f;
  const float startX = block.slot[PageSlot(kSlotStartX, 0)].f, startY = block.slot[PageSlot(kSlotStartY, 0)].f;
  const float baseScale = block.slot[PageSlot(kSlotSetupScale, 0)].f * 0.01f;

  sim::Random random(1);
  std::vector<RealMatrix> placed;
  size_t total = 0;
  for (int32_t pass = 0; pass <= kLargest.layers; ++pass)
    total += static_cast<size_t>(kLargest.slots + pass * kLargest.slotsPerPass) * kLargest.rows;
  placed.reserve(total);  // the output array is ready: only the arithmetic and draws are timed
  size_t instances = 0;
  for (auto _ : state) {
    placed.clear();
    int32_t slots = kLargest.slots;
    for (int32_t pass = 0; pass <= kLargest.layers; ++pass, slots += kLargest.slotsPerPass) {
      for (int32_t row = 0; row < kLargest.rows; ++row) {
        float x = startX, y = startY + static_cast<float>(row) * gapY;
        float slotScale = 1, slotAngle = 0;
        for (int32_t k = 0; k < slots; ++k) {
          const float s1 = Sign(random.Next());
          const float sx = random.Next() * 0.0f * s1 + slotScale * baseScale;
          const float s2 = Sign(random.Next());
          const float sy = random.Next() * 0.0f * s2 + slotScale * baseScale;
          const float s3 = Sign(random.Next());
          const float angle = random.Next() * 0.0f * s3 + slotAngle;
          RealMatrix m = sim::kIdentityMatrix;
          sim::ConcatScale(m, sx, sy);
          sim::ConcatRotate(m, angle);
          const float sv = Sign(random.Next()), sh = Sign(random.Next());
          const float ty = random.Next() * 0.0f * sv + y;
          const float tx = random.Next() * 0.0f * sh + x;
          sim::ConcatTranslate(m, tx, ty);
          placed.push_back(m);
          x += gapX;
          slotScale *= scaleStep;
          slotAngle += angleStep;
        }
      }
    }
    instances = placed.size();
    benchmark::DoNotOptimize(placed.data());
  }
  state.counters["instances"] = static_cast<double>(instances);
  state.counters["instances_per_second"] =
      benchmark::Counter(static_cast<double>(instances), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_GoDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoLargest)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BareArithmetic)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
