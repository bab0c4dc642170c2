// The cost of one user action in the model: the handler with its
// recalculation, as the window runs it on every pick or click.

#include <benchmark/benchmark.h>

#include "power_model.hpp"

namespace {

using kolva::Box;
using kolva::List;

void pickProcessorCount(benchmark::State& state) {
    kolva::PowerModel model;
    model.load();
    model.pick(List::ProcessorModel, 15);
    int entry = 0;
    for (auto _ : state) {
        model.pick(List::ProcessorCount, entry);
        entry = (entry + 1) % 5;
        benchmark::DoNotOptimize(model.estimate());
    }
}
BENCHMARK(pickProcessorCount);

void pickProcessorModel(benchmark::State& state) {
    kolva::PowerModel model;
    model.load();
    model.pick(List::ProcessorCount, 2);
    int entry = 0;
    for (auto _ : state) {
        model.pick(List::ProcessorModel, entry);
        entry = (entry + 1) % 57;
        benchmark::DoNotOptimize(model.estimate());
    }
}
BENCHMARK(pickProcessorModel);

void toggleUsbController(benchmark::State& state) {
    kolva::PowerModel model;
    model.load();
    bool checked = false;
    for (auto _ : state) {
        checked = !checked;
        model.toggle(Box::UsbController, checked);
        benchmark::DoNotOptimize(model.estimate());
    }
}
BENCHMARK(toggleUsbController);

}  // namespace

BENCHMARK_MAIN();
