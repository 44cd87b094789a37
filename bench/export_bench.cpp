// Writing a document of a million turned and scaled instances (and the same
// broken into plain artwork) as SVG and as JSON, into a stream that discards.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "sim/default_document.h"
#include "sim/document.h"
#include "sim/export_json.h"
#include "sim/export_svg.h"
#include "sim/real_math.h"

namespace {

// Counts what it is given and keeps nothing.
class CountingBuffer : public std::streambuf {
 public:
  size_t bytes = 0;

 protected:
  int overflow(int c) override {
    ++bytes;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    bytes += static_cast<size_t>(n);
    return n;
  }
};

constexpr int kInstances = 1000000;

const sim::Document& MillionInstances(bool plain) {
  static sim::Document documents[2];
  sim::Document& doc = documents[plain];
  if (doc.liveArtCount() == 0) {
    sim::LoadDefaultDocument(doc);
    for (int k = 0; k < kInstances; ++k) {
      uint32_t art;
      doc.NewInstance(static_cast<uint32_t>(k % 6), {0, 0}, &art);
      RealMatrix m;
      doc.GetMatrix(art, &m);
      sim::ConcatScale(m, 1.0f + static_cast<float>(k % 7) * 0.1f, 0.9f);
      sim::ConcatRotate(m, static_cast<float>(k) * 0.001f);
      sim::ConcatTranslate(m, static_cast<float>(k % 1000) * 20.5f, static_cast<float>(k / 1000) * 19.25f);
      doc.SetMatrix(art, m);
      if (plain) {
        uint32_t group;
        doc.BreakLink(art, &group);
        doc.Dispose(art);
      }
    }
  }
  return doc;
}

template <void (*Write)(const sim::Document&, std::ostream&)>
void BM_Export(benchmark::State& state) {
  const sim::Document& doc = MillionInstances(state.range(0) != 0);
  CountingBuffer buffer;
  std::ostream out(&buffer);
  for (auto _ : state) Write(doc, out);
  state.SetBytesProcessed(static_cast<int64_t>(buffer.bytes));
  state.counters["instances_per_second"] =
      benchmark::Counter(kInstances, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK_TEMPLATE(BM_Export, sim::WriteSvg)->Arg(0)->Arg(1)->ArgName("plain")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Export, sim::WriteJson)->Arg(0)->Arg(1)->ArgName("plain")->Unit(benchmark::kMillisecond);

}  // namespace
