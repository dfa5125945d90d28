// What one number costs: reading the typed text, splitting the address and
// formatting both result captions, as an Enter click does.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

#include "calc/extended_address.h"

namespace {

// Every accepted number as the user would type it.
const std::vector<std::u16string>& TypedNumbers() {
    static const std::vector<std::u16string> texts = [] {
        std::vector<std::u16string> all;
        for (int n = 1; n <= 9999; ++n) {
            std::u16string text;
            for (char c : std::to_string(n)) {
                text += static_cast<char16_t>(c);
            }
            all.push_back(std::move(text));
        }
        return all;
    }();
    return texts;
}

void PerNumber(benchmark::State& state) {
    const auto& texts = TypedNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::int16_t number = veltrop::ParseLocoNumber(texts[i]);
        const veltrop::AddressComputation result = veltrop::ComputeExtendedAddress(number);
        std::u16string cv17 = veltrop::FormatCvValue(result.address.cv17);
        std::u16string cv18 = veltrop::FormatCvValue(result.address.cv18);
        benchmark::DoNotOptimize(cv17);
        benchmark::DoNotOptimize(cv18);
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PerNumber);

void ParseOnly(benchmark::State& state) {
    const auto& texts = TypedNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrop::ParseLocoNumber(texts[i]));
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
}
BENCHMARK(ParseOnly);

void ComputeOnly(benchmark::State& state) {
    std::int16_t number = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrop::ComputeExtendedAddress(number));
        number = number == 9999 ? std::int16_t{1} : static_cast<std::int16_t>(number + 1);
    }
}
BENCHMARK(ComputeOnly);

void FormatOnly(benchmark::State& state) {
    std::int16_t value = 0;
    for (auto _ : state) {
        std::u16string text = veltrop::FormatCvValue(value);
        benchmark::DoNotOptimize(text);
        value = value == 255 ? std::int16_t{0} : static_cast<std::int16_t>(value + 1);
    }
}
BENCHMARK(FormatOnly);

}  // namespace

BENCHMARK_MAIN();
